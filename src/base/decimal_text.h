#pragma once

#include <QString>
#include <optional>

namespace kv {

// The value of a box's or a file's text when it is a plain decimal number: digits
// only, no sign, no spaces, no fraction, no other base; nullopt for anything else and
// for an empty text. A number of more than maxDigits significant digits (1 to 9)
// saturates at DecimalSaturation(maxDigits), above every number of maxDigits digits,
// so that it is refused as too large, not as text, and never overflows.
std::optional<int> DecimalValue(const QString& text, int maxDigits = 9);

constexpr int DecimalSaturation(int maxDigits)
{
    int saturation = 1;
    for (int i = 0; i < maxDigits; ++i)
        saturation *= 10;
    return saturation;
}

} // namespace kv
