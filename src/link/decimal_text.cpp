#include "link/decimal_text.h"

namespace kv {

std::optional<int> DecimalValue(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    constexpr qint64 kSaturated = 1000000000;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        if (value < kSaturated)
            value = value * 10 + (c.unicode() - '0');
    }
    return int(qMin(value, kSaturated));
}

} // namespace kv
