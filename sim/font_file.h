#pragma once

#include <QByteArray>
#include <QString>

namespace kv::sim {

// Font files keep each 54-byte record with its bytes reversed, except bytes 26 and
// 27, which stay where they are. The step is its own inverse.
QByteArray SwapRecordOrder(const QByteArray& font);

// Loads a font file of 256 stored-order records into device order. A file of any
// other size is refused.
bool LoadFontFile(const QString& path, QByteArray& deviceOrder, QString& error);

} // namespace kv::sim
