#include "admin/write_address.h"

#include "app/prompter.h"
#include "link/decimal_text.h"
#include "link/frames.h"
#include "link/link.h"

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
    try {
        link.ensurePortOpen();
        link.write(AddressedFrame(0xFF, 0x11, QByteArray(1, '\0') + char(*value)));
        link.drainOutput();
        link.closePort();
        outcome.written = true;
        outcome.specifiedAddress = QString::number(*value);
    } catch (const CommError& error) {
        link.closePort();
        link.showCommError(prompter, error);
    }
    return outcome;
}

} // namespace kv
