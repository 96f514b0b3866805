#include "link/device_address.h"

#include "base/decimal_text.h"
#include "text/operator_text.h"

namespace kv {

DeviceAddressCheck CheckDeviceAddressText(const QString& text)
{
    DeviceAddressCheck check;
    check.text = text;
    check.text.remove(QLatin1Char(' '));
    if (check.text.isEmpty())
        return check;
    const auto value = DecimalValue(check.text);
    if (!value)
        check.message = Text::tr("有效数值必须为1-255的十进制数0为广播地址");
    else if (*value > 254 || *value == 0)
        check.message = Text::tr("有效数值1-255,0为广播地址");
    if (!check.message.isEmpty())
        check.text = QStringLiteral("1");
    return check;
}

Checked<quint8> DeviceAddressByte(const QString& text, Prompter& prompter)
{
    const DeviceAddressCheck check = CheckDeviceAddressText(text);
    if (!check.message.isEmpty())
        return Refuse(prompter, check.message);
    if (check.text.isEmpty())
        return Refuse(prompter, Text::tr("地址码为空，请先输入1-254的设备地址码"));
    return static_cast<quint8>(*DecimalValue(check.text));
}

} // namespace kv
