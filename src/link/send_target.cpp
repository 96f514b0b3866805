#include "link/send_target.h"

#include "base/decimal_text.h"
#include "base/prompter.h"

namespace kv {

QString SpecifiedAddressMessage(const QString& text)
{
    if (text.isEmpty())
        return QString();
    const auto value = DecimalValue(text);
    if (!value)
        return QStringLiteral("地址码必须为0-255的十进制数");
    if (*value > 255)
        return QStringLiteral("地址码不能大于255");
    return QString();
}

std::optional<SendTarget> ResolveSendTarget(const TargetChoice& choice, Prompter& prompter)
{
    SendTarget target;
    switch (choice.mode) {
    case SendMode::Broadcast:
        target.address = 0xFF;
        return target;
    case SendMode::SpecifiedAddress: {
        if (choice.specifiedAddress.isEmpty()) {
            prompter.error(QStringLiteral("指定地址码为空，请先输入0-255的设备地址码"));
            return std::nullopt;
        }
        const QString message = SpecifiedAddressMessage(choice.specifiedAddress);
        if (!message.isEmpty()) {
            prompter.error(message);
            return std::nullopt;
        }
        target.address = static_cast<quint8>(DecimalValue(choice.specifiedAddress).value_or(0));
        return target;
    }
    case SendMode::AddressQueue: {
        const QString& s = choice.queueAddressString;
        if (s.isEmpty()) {
            prompter.error(QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！"),
                           QString());
            return std::nullopt;
        }
        for (int i = 0; i + 3 <= s.size(); i += 3)
            target.queue.append(char(s.mid(i, 3).toInt()));
        target.address = 0xFF;
        return target;
    }
    }
    return std::nullopt;
}

bool RefuseBroadcastAddress(const QString& specifiedAddress, Prompter& prompter)
{
    if (DecimalValue(specifiedAddress) == 255) {
        prompter.error(QStringLiteral("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！"));
        return false;
    }
    return true;
}

} // namespace kv
