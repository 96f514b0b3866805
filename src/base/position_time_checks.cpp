#include "base/position_time_checks.h"

#include "base/decimal_text.h"
#include "text/operator_text.h"

namespace kv {

namespace {
// Digits beyond this many are certainly above every limit; they are reported as too
// large rather than risking an overflow.
constexpr int kMaxDigits = 9;

BoxVerdict check(const QString& text, int maximum, const QString& notNumeric, const QString& tooLarge,
                 const QString& resetTo)
{
    if (text.isEmpty())
        return {};
    const auto value = DecimalValue(text, kMaxDigits);
    if (!value)
        return {notNumeric, resetTo};
    if (*value > maximum)
        return {tooLarge, resetTo};
    return {};
}
} // namespace

std::optional<int> BoxValue(const QString& text)
{
    const auto value = DecimalValue(text, kMaxDigits);
    if (value == DecimalSaturation(kMaxDigits))
        return std::nullopt;
    return value;
}

BoxVerdict CheckVerticalPositionBox(const QString& text)
{
    return check(text, kMaxVerticalPosition, Text::tr("输入应为数字"),
                 Text::tr("Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490"),
                 QStringLiteral("70"));
}

BoxVerdict CheckIntervalBox(const QString& text)
{
    return check(text, kMaxSeconds, Text::tr("循环间隔时间必须为0-60000的十进制数"),
                 Text::tr("循环间隔时间不能大于60000秒(16.6小时)"), QStringLiteral("0"));
}

BoxVerdict CheckTimerBox(const QString& text)
{
    return check(text, kMaxSeconds, Text::tr("定时时间必须为十进制数"),
                 Text::tr("定时时间不能大于60000秒(16.6小时)"), QStringLiteral("0"));
}

} // namespace kv
