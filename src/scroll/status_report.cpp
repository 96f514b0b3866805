#include "scroll/status_report.h"

#include "base/cp936.h"
#include "base/display_effects.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"

#include <QStringList>

namespace kv {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

constexpr int kHeadBytes = 3;
constexpr int kHeadTimeoutMs = 250;
constexpr int kBodyTimeoutMs = 150;

// The status block's fields; two-byte fields are signed, high byte first.
class StatusBlock {
public:
    explicit StatusBlock(const QByteArray& bytes) : bytes_(bytes) {}
    int byte(int i) const { return quint8(bytes_.at(i)); }
    int word(int i) const { return qint16(quint16(byte(i) << 8 | byte(i + 1))); }

private:
    QByteArray bytes_;
};

QString number(int n)
{
    return QString::number(n);
}

QString lastOperationText(int word)
{
    const QString prefix = QStringLiteral("最后一次的滚动操作是：");
    const int value = word & 0xFFFF;
    const int high = value >> 8;
    const int nn = value & 0xFF;
    if (value <= 0x000F)
        return prefix + QStringLiteral("发送滚动组合快捷，序号为 ") + number(value + 1) + kCrLf + kCrLf;
    switch (value) {
    case 0x8000:
        return prefix + QStringLiteral("刷新发送滚动信息，使用设备内置大号字库") + kCrLf + kCrLf;
    case 0x8100:
        return prefix + QStringLiteral("刷新发送滚动信息，使用设备内置小号字库") + kCrLf + kCrLf;
    case 0x8200:
        return prefix + QStringLiteral("追加发送滚动信息，使用设备内置大号字库") + kCrLf + kCrLf;
    case 0x8300:
        return prefix + QStringLiteral("追加发送滚动信息，使用设备内置小号字库") + kCrLf + kCrLf;
    case 0xFFFF:
        return kCrLf + kCrLf;
    default:
        break;
    }
    switch (high) {
    case 0x84:
        return prefix + QStringLiteral("刷新发送滚动信息，调用大号图文短信，序号为：") + number(nn + 1) + kCrLf + kCrLf;
    case 0x85:
        return prefix + QStringLiteral("刷新发送滚动信息，调用小号图文短信，序号为：") + number(nn + 1) + kCrLf + kCrLf;
    case 0x86:
        return prefix + QStringLiteral("追加发送滚动信息，追加大号图文短信，序号为：") + number(nn + 1) + kCrLf + kCrLf;
    case 0x87:
        return prefix + QStringLiteral("追加发送滚动信息，追加小号图文短信，序号为：") + number(nn + 1) + kCrLf + kCrLf;
    default:
        return QString();
    }
}

QString messageText(const QByteArray& body, int length)
{
    QString text;
    for (int i = 0; i + 1 < length; i += 2)
        text += DecodeCp936(body.mid(i, 2));
    return text;
}

QString repetitionLine(int code)
{
    QString count;
    if (code <= 21)
        count = number(code - 1);
    else if (code <= 25)
        count = QStringList{QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50"),
                            QStringLiteral("100")}.at(code - 22);
    else
        count = QStringLiteral("不停滚动");
    return QStringLiteral("滚动次数：") + count + kCrLf;
}

QString pauseLine(int code, int seconds, int pauseEnabled)
{
    const QString prefix = QStringLiteral("滚动间歇时间：") + number(seconds) + QStringLiteral("秒");
    if (code < 26) {
        if (seconds > 0)
            return prefix + (pauseEnabled != 0 ? QString() : QStringLiteral("，但现已被取消了间歇功能")) + kCrLf;
        if (seconds == 0)
            return prefix + QStringLiteral("，间歇功能无效") + kCrLf;
        return QString();
    }
    if (seconds < 1)
        return prefix + QStringLiteral("，间歇功能无效") + kCrLf;
    return prefix + QStringLiteral("，但由于滚动次数设置了不停滚动，所以间歇功能无效") + kCrLf;
}

QString levelLine(const QString& prefix, int level)
{
    static const QStringList levels = {QStringLiteral("最亮"), QStringLiteral("较亮"), QStringLiteral("较暗"),
                                       QStringLiteral("最暗")};
    if (level < 0 || level >= levels.size())
        return QString();
    return prefix + levels.at(level) + kCrLf;
}

QString displayItemsLine(int items)
{
    static const QStringList lines = {
        QStringLiteral("全部关闭"),
        QStringLiteral("仅显示滚动"),
        QStringLiteral("仅显示静止图文"),
        QStringLiteral("显示滚动，显示静止图文，台标关闭"),
        QStringLiteral("仅显示台标"),
        QStringLiteral("关闭显示静止图文,显示滚动，显示台标"),
        QStringLiteral("关闭滚动显示，显示静止图文，显示台标"),
        QStringLiteral("全部显示"),
    };
    if (items < 0 || items >= lines.size())
        return QString();
    return QStringLiteral("字幕显示项：") + lines.at(items) + kCrLf;
}

QString currentStaticLine(int current, bool staticShown)
{
    if (current == 0)
        return QStringLiteral("当前显示静止图文序号：无可显示信息") + kCrLf;
    if (current == 1)
        return (staticShown ? QStringLiteral("当前显示静止图文为：临时静止图文信息")
                            : QStringLiteral("当前应该显示的静止图文为：临时静止图文信息，") + QStringLiteral("  但现已关闭显示"))
               + kCrLf;
    if (staticShown)
        return QStringLiteral("当前显示静止图文序号：") + number(current - 1) + kCrLf;
    return QStringLiteral("当前应该显示的静止图文序号：") + number(current - 1) + QStringLiteral("  但现已关闭显示") + kCrLf;
}

// Background code in bits 0-4, brightness level in bits 5-6; bit 7 set means there is
// no brightness to tell.
QString pictureEffectLines(const QString& effectPrefix, const QString& brightnessPrefix, int value)
{
    QString text = effectPrefix + BackgroundEffectName(value & 0x1F) + kCrLf;
    if ((value & 0x80) == 0)
        text += levelLine(brightnessPrefix, (value & 0x60) >> 5);
    return text;
}

QString parameterLines(const StatusBlock& b)
{
    const int code = b.byte(0);
    QString text = kCrLf + repetitionLine(code);
    text += pauseLine(code, b.word(13), b.byte(38));
    text += QStringLiteral("滚动垂直位置：") + number(b.word(1)) + kCrLf;
    text += levelLine(QStringLiteral("字符亮度："), b.byte(3));
    text += QStringLiteral("滚动背景条效果：") + BackgroundEffectName(b.byte(4)) + kCrLf;
    text += QStringLiteral("滚动背景条上端高度：") + number(b.byte(5)) + kCrLf;
    text += QStringLiteral("滚动背景条下端高度：") + number(b.byte(6)) + kCrLf;
    text += displayItemsLine(b.byte(7));
    text += QStringLiteral("滚动速度：") + number(b.byte(8)) + kCrLf;
    text += QStringLiteral("滚动条水平偏移：") + number(b.byte(9) / 5) + kCrLf + kCrLf;

    text += QStringLiteral("开机显示静止图文序号：") + number(b.byte(17) + 1) + kCrLf;
    text += currentStaticLine(b.byte(35), (b.byte(7) & 0x02) != 0);
    const int powerOnSeconds = b.word(19);
    text += QStringLiteral("开机显示静止图文时间：")
            + (powerOnSeconds != 0 ? number(powerOnSeconds) + QStringLiteral("秒") : QStringLiteral("保持显示")) + kCrLf;
    text += QStringLiteral("开机滚动组合快捷序号：") + number(b.byte(18) + 1) + kCrLf + kCrLf;

    const int logoHeight = b.word(22);
    text += QStringLiteral("台标图文尺寸：")
            + (logoHeight < 481 ? number(b.byte(21) * 8) + QStringLiteral(" x ") + number(logoHeight)
                                : QStringLiteral("无效"))
            + kCrLf;
    text += QStringLiteral("台标水平偏移：") + number(b.byte(24)) + kCrLf;
    text += QStringLiteral("台标图文垂直位置：") + number(b.word(25)) + kCrLf;
    const QString logoEffect = pictureEffectLines(QStringLiteral("台标图文背景效果："), QStringLiteral("台标亮度："),
                                                  b.byte(27));
    text += logoEffect + ((b.byte(27) & 0x80) == 0 ? kCrLf : QString());

    text += QStringLiteral("静止图文尺寸：") + number(b.byte(28) * 8) + QStringLiteral(" x ") + number(b.word(29)) + kCrLf;
    text += QStringLiteral("静止图文水平偏移：") + number(b.byte(31)) + kCrLf;
    text += QStringLiteral("静止图文垂直位置：") + number(b.word(32)) + kCrLf;
    text += pictureEffectLines(QStringLiteral("静止图文背景效果："), QStringLiteral("静止图文亮度："), b.byte(34));
    return text;
}

QString failureText()
{
    return QStringLiteral("指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！");
}
} // namespace

QByteArray StatusRequestFrame(quint8 address)
{
    return AddressedFrame(address, command::kStatusRequest, QByteArray(1, char(0xFE)));
}

QString StatusReportTitle()
{
    return QStringLiteral("字幕信息");
}

QString StatusReportText(const QString& addressText, const QByteArray& head, const QByteArray& body)
{
    const int length = int(quint8(head.at(0))) << 8 | quint8(head.at(1));
    const StatusBlock block(body.mid(length, kStatusBlockSize));

    QString text = QStringLiteral("          以下是地址码为 ") + addressText + QStringLiteral(" 的字幕信息") + kCrLf + kCrLf;
    text += lastOperationText(block.word(36));
    const int size = quint8(head.at(2));
    if (size == 0)
        text += QStringLiteral("滚动字体尺寸：大号") + kCrLf;
    else if (size == 1)
        text += QStringLiteral("滚动字体尺寸：小号") + kCrLf;
    text += QStringLiteral("滚动信息：") + messageText(body, length) + kCrLf;
    text += QStringLiteral("滚动字符总数：") + QString::number(length / 2.0);
    text += kCrLf;
    text += parameterLines(block);
    return text;
}

StatusReportOutcome RequestStatusReport(const TargetChoice& choice, Link& link, Prompter& prompter)
{
    StatusReportOutcome outcome;
    const QString& addressText = choice.specifiedAddress;
    if (const Outcome broadcast = RefuseBroadcastAddress(addressText, prompter); !broadcast.done())
        return {broadcast};
    const auto address = BoxValue(addressText);
    if (!address || *address > 255)
        return {Refuse(prompter, addressText.isEmpty() ? QStringLiteral("指定地址码为空，请先输入0-255的设备地址码")
                                                       : SpecifiedAddressMessage(addressText))};
    Outcome answer = Outcome::Cancelled();
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        // A head that declares more than a body can hold is noise, not a length: the
        // wait ends on it at once instead of waiting out the line time it names.
        const auto bodyLength = [](const QByteArray& head) {
            const int body = (quint8(head.at(0)) << 8 | quint8(head.at(1))) + kStatusBlockSize;
            return body > kLongestStatusBody ? -1 : body;
        };
        const Reply reply = session.requestTwoPart(StatusRequestFrame(quint8(*address)), kHeadBytes, kHeadTimeoutMs,
                                                   bodyLength, kBodyTimeoutMs);
        session.closeLine();
        if (reply.cancelled())
            return;
        if (!reply.ok()) {
            answer = FailWithError(prompter, failureText());
            return;
        }
        const QByteArray& bytes = reply.bytes;
        outcome.text = StatusReportText(addressText, bytes.left(kHeadBytes), bytes.mid(kHeadBytes));
        answer = Outcome::Done();
        prompter.report(StatusReportTitle(), outcome.text);
    });
    outcome.result = ran.portFault() ? ran : answer;
    return outcome;
}

} // namespace kv
