#pragma once

#include "base/record_store.h"

#include <QString>

namespace kv {

// The last texts sent in the two built-in-font modes: kept in memory and in the
// records "Fszk_Gdd" (large) and "Fszk_Gdx" (small), so they survive restarts.
class ScrollTextCache {
public:
    static QString recordName(int mode);

    // The cached text of the mode, or when that is empty the mode's record.
    QString textFor(int mode, const RecordStore& store) const;
    // Keeps the text sent in the mode, in memory and in its record.
    bool remember(int mode, const QString& text, const RecordStore& store, QString* error);

private:
    QString large_;
    QString small_;
};

} // namespace kv
