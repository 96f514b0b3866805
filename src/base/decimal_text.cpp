#include "base/decimal_text.h"

namespace kv {

std::optional<int> DecimalValue(const QString& text, int maxDigits)
{
    if (text.isEmpty())
        return std::nullopt;
    const qint64 saturation = DecimalSaturation(maxDigits);
    qint64 value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        if (value < saturation)
            value = qMin(value * 10 + (c.unicode() - '0'), saturation);
    }
    return int(value);
}

} // namespace kv
