#include "link/network_address.h"

#include "text/operator_text.h"

namespace kv {

namespace {
const QString kSchemeMark = QStringLiteral("://");
const QString kRfc2217 = QStringLiteral("rfc2217");
const QString kRawTcp = QStringLiteral("socket");

NetworkAddressParse refused(const QString& name, const QString& why)
{
    return {std::nullopt,
            Text::tr("网络串口地址 %1 不可用：%2（应为 rfc2217://主机:端口 或 socket://主机:端口）").arg(name, why)};
}
} // namespace

QString NetworkAddress::text() const
{
    const QString shownHost = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return (scheme == Scheme::Rfc2217 ? kRfc2217 : kRawTcp) + kSchemeMark + shownHost + QLatin1Char(':')
           + QString::number(port);
}

bool IsNetworkPortName(const QString& name)
{
    return name.contains(kSchemeMark);
}

NetworkAddressParse ParseNetworkAddress(const QString& name)
{
    const qsizetype mark = name.indexOf(kSchemeMark);
    if (mark < 0)
        return refused(name, Text::tr("没有 rfc2217:// 或 socket:// 开头"));
    NetworkAddress address;
    const QString scheme = name.left(mark).toLower();
    if (scheme == kRfc2217)
        address.scheme = NetworkAddress::Scheme::Rfc2217;
    else if (scheme == kRawTcp)
        address.scheme = NetworkAddress::Scheme::RawTcp;
    else
        return refused(name, Text::tr("不认识的类型 %1://").arg(name.left(mark)));

    const QString rest = name.mid(mark + kSchemeMark.size());
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return refused(name, Text::tr("主机地址的方括号没有闭合"));
        address.host = rest.mid(1, close - 1);
        if (rest.mid(close + 1, 1) != QLatin1String(":"))
            return refused(name, Text::tr("缺少端口号"));
        portText = rest.mid(close + 2);
    } else {
        const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            return refused(name, Text::tr("缺少端口号"));
        address.host = rest.left(colon);
        portText = rest.mid(colon + 1);
    }
    if (address.host.isEmpty())
        return refused(name, Text::tr("缺少主机名或 IP 地址"));
    if (portText.isEmpty())
        return refused(name, Text::tr("缺少端口号"));
    bool digits = true;
    for (const QChar c : portText)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int port = digits && portText.size() <= 5 ? portText.toInt() : -1;
    if (!digits)
        return refused(name, Text::tr("端口号 %1 不是数字").arg(portText));
    if (port < 1 || port > 65535)
        return refused(name, Text::tr("端口号 %1 不在 1 至 65535 之间").arg(portText));
    address.port = quint16(port);
    return {address, QString()};
}

bool IsRawTcpAddress(const QString& name)
{
    const NetworkAddressParse parsed = ParseNetworkAddress(name);
    return parsed.address && parsed.address->scheme == NetworkAddress::Scheme::RawTcp;
}

} // namespace kv
