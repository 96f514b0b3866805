#include "admin/write_address.h"

#include "base/decimal_text.h"
#include "base/line_ends.h"
#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

namespace kv {

WriteAddressOutcome WriteUnitAddress(const QString& addressText, Link& link, Prompter& prompter)
{
    const auto value = DecimalValue(addressText);
    if (!value)
        return {Refuse(prompter, Text::tr("地址码必须为0-254的十进制数"))};
    if (*value >= 255)
        return {Refuse(prompter, Text::tr("地址码不能大于254"))};
    const QString question =
        JoinLines(SplitLines(Text::tr("向设备写入地址码时不能有多台设备连接\n\n确认只有单台设备连接吗？")));
    if (!prompter.ask(question, Text::tr("向设备写入地址码")))
        return {Outcome::Cancelled()};
    WriteAddressOutcome outcome;
    outcome.result = RunOnPort(link, prompter, [&](LineSession& session) {
        session.write(AddressedFrame(0xFF, command::kWriteAddress, QByteArray(1, '\0') + char(*value)));
    });
    // A cancel while the frame drained leaves it on the line all the same.
    if (!outcome.result.portFault())
        outcome.specifiedAddress = QString::number(*value);
    return outcome;
}

} // namespace kv
