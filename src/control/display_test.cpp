#include "control/display_test.h"

#include "base/decimal_text.h"
#include "base/prompter.h"
#include "control/test_frame.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "text/operator_text.h"

#include <QStringList>

namespace kv {

namespace {
// The line holds 32 cells; the column index counts from the first.
constexpr int kLineCells = 32;
constexpr int kLargestCode = 255;
constexpr int kClearScreen = 16;
} // namespace

Checked<QByteArray> TestCodes(const QString& text, int columnIndex, Prompter& prompter)
{
    const auto refuse = [&](const QString& problem) {
        prompter.failure(problem);
        return Outcome::Refused(problem);
    };
    const QStringList entries = text.split(QLatin1Char(','));
    QByteArray codes;
    for (const QString& entry : entries) {
        const auto value = DecimalValue(entry.trimmed(), 4);
        if (value && *value > kLargestCode)
            return refuse(Text::tr("输入必须是十进制数且不能大于255"));
        if (!value)
            return refuse(Text::tr("输入必须是十进制数值0～255,字符代码之间用\",\"隔开"));
        codes.append(char(*value));
    }
    if (codes.size() > kLineCells - columnIndex)
        return refuse(Text::tr("当前输入的字符代码太多，这个测试只限制在同一行显示"));
    return codes;
}

Outcome RunDisplayTest(const DisplayTestInput& input, Link& link, Prompter& prompter)
{
    const auto codes = TestCodes(input.codes, input.columnIndex, prompter);
    if (!codes)
        return codes.refusal();
    return SendTestFrame(input.deviceAddress, command::kDisplayTest,
                         FieldBytes({input.rowIndex, input.columnIndex}) + *codes, true, link, prompter);
}

Outcome SetTestAttribute(const QString& deviceAddress, int rowIndex, int columnIndex, int attribute, Link& link,
                      Prompter& prompter)
{
    return SendTestFrame(deviceAddress, command::kTestAttribute, FieldBytes({rowIndex, columnIndex, attribute}), true,
                         link, prompter);
}

Outcome ShowCharacterHalf(const QString& deviceAddress, CharacterHalf half, Link& link, Prompter& prompter)
{
    const quint8 code = half == CharacterHalf::First128 ? command::kFirst128Characters : command::kLast128Characters;
    return SendTestFrame(deviceAddress, code, {}, false, link, prompter);
}

Outcome ClearTestScreen(const QString& deviceAddress, int clearIndex, Link& link, Prompter& prompter)
{
    if (clearIndex < 0 || clearIndex > kClearScreen)
        return Outcome::Refused();
    return SendTestFrame(deviceAddress, command::kClearTest, FieldBytes({clearIndex}), true, link, prompter);
}

} // namespace kv
