#pragma once

#include <QByteArray>
#include <QString>

namespace kv::sim {

// The unit's character codes read back as the text they were made from: code page 936
// pairs, the full-width forms the tool sends for single-byte characters back as those
// characters (A3 C1 as "A", A1 A1 as a space), and FF, the static text's line break,
// as a line break. A pair with no meaning reads as U+FFFD.
QString DecodeUnitText(const QByteArray& codes);

} // namespace kv::sim
