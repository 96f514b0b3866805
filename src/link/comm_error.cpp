#include "link/comm_error.h"

#include "text/operator_text.h"

namespace kv {

QString CommErrorText(int number, const QString& portText)
{
    switch (number) {
    case 0: return QString();
    case 1: return Text::tr("发送字符");
    case 7: return QStringLiteral("EOF");
    case 1006: return Text::tr("端口溢出");
    case 1008: return Text::tr("接收缓冲区溢出");
    case 8000: return QStringLiteral("Operation not valid while the port is opened");
    case 8001: return QStringLiteral("Timeout value must be greater than zero");
    case 8002: return Text::tr("该串口不存在！");
    case 8003: return QStringLiteral("Property available only at run time");
    case 8004: return QStringLiteral("Property is read only at runtime");
    case 8005: return Text::tr("串口%1已被其它程序占用").arg(portText);
    case 8006: return QStringLiteral("The device identifier is invalid or unsupported");
    case 8007: return QStringLiteral("The Device 's baud rate is unsupported");
    case 8008: return QStringLiteral("The specified byte size is invalid");
    case 8009: return QStringLiteral("The default parameters are in error");
    case 8010: return QStringLiteral("The hardware is not available (locked by another device)");
    case 8011: return QStringLiteral("The function cannot allocate the queues");
    case 8012: return Text::tr("串口还没打开，先选好波特率！");
    case 8013: return QStringLiteral("The device is already open");
    case 8014: return QStringLiteral("Could not enable comm notification");
    case 8015: return QStringLiteral("Could not set comm state");
    case 8016: return QStringLiteral("Could not set comm event mask");
    case 8018: return Text::tr("串口尚未打开!");
    case 8019: return QStringLiteral("Device busy");
    case 8020: return QStringLiteral("Error reading comm device");
    case comm::kPermissionDenied:
        return Text::tr("没有权限打开串口%1：请把当前用户加入拥有该设备的用户组（Linux 上通常是 dialout，"
                        "可用 ls -l 查看设备所属的组），重新登录后再试")
            .arg(portText);
    case comm::kDrainTimeout:
        return Text::tr("串口%1发送超时：数据没有在规定时间内送出，请检查串口及连接线").arg(portText);
    case comm::kAddressInvalid:
        return Text::tr("网络串口地址 %1 写得不对（应为 rfc2217://主机:端口 或 socket://主机:端口）").arg(portText);
    case comm::kConnectionRefused:
        return Text::tr("无法连接网络串口 %1：连接被拒绝，请检查串口服务器是否在运行、端口号是否正确").arg(portText);
    case comm::kHostUnknown:
        return Text::tr("无法连接网络串口 %1：找不到这个主机，请检查主机名或 IP 地址").arg(portText);
    case comm::kConnectFailed:
        return Text::tr("无法连接网络串口 %1，请检查网络及串口服务器").arg(portText);
    case comm::kConnectCancelled: return Text::tr("连接网络串口 %1 已取消").arg(portText);
    case comm::kConnectionLost:
        return Text::tr("与网络串口 %1 的连接已断开，请检查串口服务器及网络").arg(portText);
    case comm::kServerSilent:
        return Text::tr("串口服务器 %1 没有应答串口设置（RFC 2217）：请检查它是否支持 RFC 2217，或改用 socket://")
            .arg(portText);
    case comm::kRateFixed:
        return Text::tr("网络串口 %1 的波特率不能由本程序设置：请在串口服务器上设置波特率").arg(portText);
    case comm::kComPortRefused:
        return Text::tr("串口服务器 %1 不接受 RFC 2217 的串口设置，按原始 TCP 继续：波特率须在串口服务器上设置")
            .arg(portText);
    default: return QString::number(number);
    }
}

} // namespace kv
