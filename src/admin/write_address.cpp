#include "admin/write_address.h"

#include "base/decimal_text.h"
#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"

namespace kv {

WriteAddressOutcome WriteUnitAddress(const QString& addressText, Link& link, Prompter& prompter)
{
    WriteAddressOutcome outcome;
    const auto value = DecimalValue(addressText);
    if (!value) {
        prompter.error(QStringLiteral("地址码必须为0-254的十进制数"));
        return outcome;
    }
    if (*value >= 255) {
        prompter.error(QStringLiteral("地址码不能大于254"));
        return outcome;
    }
    const QString question = QStringLiteral("向设备写入地址码时不能有多台设备连接\r\n\r\n确认只有单台设备连接吗？");
    if (!prompter.ask(question, QStringLiteral("向设备写入地址码")))
        return outcome;
    outcome.written = RunOnPort(link, prompter, [&](LineSession& session) {
        session.write(AddressedFrame(0xFF, command::kWriteAddress, QByteArray(1, '\0') + char(*value)));
    });
    if (outcome.written)
        outcome.specifiedAddress = QString::number(*value);
    return outcome;
}

} // namespace kv
