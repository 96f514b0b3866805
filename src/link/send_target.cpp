#include "link/send_target.h"

#include "base/decimal_text.h"
#include "text/operator_text.h"

namespace kv {

QString SpecifiedAddressMessage(const QString& text)
{
    if (text.isEmpty())
        return QString();
    const auto value = DecimalValue(text);
    if (!value)
        return Text::tr("地址码必须为0-255的十进制数");
    if (*value > 255)
        return Text::tr("地址码不能大于255");
    return QString();
}

Checked<SendTarget> ResolveSendTarget(const TargetChoice& choice, Prompter& prompter)
{
    SendTarget target;
    switch (choice.mode) {
    case SendMode::Broadcast:
        target.address = 0xFF;
        return target;
    case SendMode::SpecifiedAddress: {
        if (choice.specifiedAddress.isEmpty())
            return Refuse(prompter, Text::tr("指定地址码为空，请先输入0-255的设备地址码"));
        const QString message = SpecifiedAddressMessage(choice.specifiedAddress);
        if (!message.isEmpty())
            return Refuse(prompter, message);
        target.address = static_cast<quint8>(DecimalValue(choice.specifiedAddress).value_or(0));
        return target;
    }
    case SendMode::AddressQueue: {
        const QString& s = choice.queueAddressString;
        if (s.isEmpty())
            return Refuse(prompter, Text::tr("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！"),
                          QString());
        for (int i = 0; i + 3 <= s.size(); i += 3)
            target.queue.append(char(s.mid(i, 3).toInt()));
        target.address = 0xFF;
        return target;
    }
    }
    return Outcome::Refused();
}

Outcome RefuseBroadcastAddress(const QString& specifiedAddress, Prompter& prompter)
{
    if (DecimalValue(specifiedAddress) == 255)
        return Refuse(prompter, Text::tr("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！"));
    return Outcome::Done();
}

} // namespace kv
