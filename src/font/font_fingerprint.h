#pragma once

#include "font/font_table.h"

#include <QString>

namespace kv {

// Which font this is, whatever file it came from or whether it was read from a unit:
// the first 16 hex digits, upper case, of the SHA-256 of the 13 824 bytes that the
// write-character frames carry (the records in code order, device order).
QString FontFingerprint(const FontTable& table);
// "字库指纹：" and the fingerprint, as the operator is shown it.
QString FontFingerprintText(const FontTable& table);

} // namespace kv
