#include "link/connection_check.h"

#include "link/comm_error.h"
#include "link/network_address.h"
#include "link/path_port.h"
#include "text/operator_text.h"

namespace kv {

namespace {

QString foundText(const QString& path, int baud, const SerialPort& port)
{
    if (!IsNetworkPortName(path))
        return Text::tr("串口 %1 可以打开").arg(path);
    if (IsRawTcpAddress(path))
        return Text::tr("已连接 %1：原始 TCP，速率在设备服务器上设定").arg(path);
    if (!port.setsRate())
        return Text::tr("已连接 %1：服务器不接受 RFC 2217 的串口选项，速率在设备服务器上设定").arg(path);
    return Text::tr("已连接 %1：RFC 2217，服务器已确认 %2 波特、8 数据位、无校验、1 停止位").arg(path).arg(baud);
}

} // namespace

ConnectionCheck CheckPortConnection(const QString& path, int baud, const CancelFlag& cancel)
{
    if (path.isEmpty())
        return {false, Text::tr("没有填写串口")};
    if (IsNetworkPortName(path)) {
        const NetworkAddressParse parse = ParseNetworkAddress(path);
        if (!parse.address)
            return {false, parse.problem};
    }
    PathPort port;
    port.setCancelFlag(&cancel);
    try {
        port.open(path, baud);
        const QString text = foundText(path, baud, port);
        port.close();
        return {true, text};
    } catch (const CommError& error) {
        port.close();
        return {false, CommErrorText(error.number, path)};
    }
}

} // namespace kv
