#pragma once

#include <QString>
#include <optional>

namespace kv {

// The value of an address box's text when it is a plain decimal number: digits only,
// no sign, no spaces, no other base. A number too long for any address still counts
// as a number (its value saturates), so it is refused as too large, not as text.
std::optional<int> DecimalValue(const QString& text);

} // namespace kv
