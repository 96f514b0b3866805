#pragma once

#include <QString>

namespace kv {

// Vertical writing ("文字纵排"): the lines become columns read top to bottom, the first
// line the rightmost column. Lines are padded with spaces to the longest; a line that
// holds double-byte characters is turned into full-width forms so that every character
// fills one cell. Output lines are joined by CR LF.
QString TransposeToVertical(const QString& text);

} // namespace kv
