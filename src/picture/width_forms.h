#pragma once

#include <QString>

namespace kv {

// Full-width forms of the printable ASCII characters and the space (what a character
// cell of a double-byte line holds), and back.
QString ToFullWidth(const QString& text);
QString ToHalfWidth(const QString& text);

} // namespace kv
