#pragma once

#include "base/record_store.h"

#include <QString>

namespace kv {

// The last text sent in the static text modes, brought back when the mode is chosen:
// the records "Fs_User_JzChar" (mode 6), "Fszk_jzd" (mode 8) and "Fszk_jzx" (mode 9).
QString LastSentTextRecord(int mode);
bool HasLastSentText(int mode);

// The mode's last text; empty when there is none.
QString LoadLastSentText(const RecordStore& store, int mode);
// Keeps the text as the mode's last one. An empty text leaves the record as it is.
bool SaveLastSentText(const RecordStore& store, int mode, const QString& text, QString* error);

} // namespace kv
