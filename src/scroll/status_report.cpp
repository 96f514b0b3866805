#include "scroll/status_report.h"

#include "base/cp936.h"
#include "base/display_effects.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

#include <QStringList>
#include <iterator>

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

QString lastOperation(int value)
{
    const int high = value >> 8;
    const int nn = value & 0xFF;
    if (value <= 0x000F)
        return Text::tr("发送滚动组合快捷，序号为 %1").arg(value + 1);
    switch (value) {
    case 0x8000:
        return Text::tr("刷新发送滚动信息，使用设备内置大号字库");
    case 0x8100:
        return Text::tr("刷新发送滚动信息，使用设备内置小号字库");
    case 0x8200:
        return Text::tr("追加发送滚动信息，使用设备内置大号字库");
    case 0x8300:
        return Text::tr("追加发送滚动信息，使用设备内置小号字库");
    default:
        break;
    }
    switch (high) {
    case 0x84:
        return Text::tr("刷新发送滚动信息，调用大号图文短信，序号为：%1").arg(nn + 1);
    case 0x85:
        return Text::tr("刷新发送滚动信息，调用小号图文短信，序号为：%1").arg(nn + 1);
    case 0x86:
        return Text::tr("追加发送滚动信息，追加大号图文短信，序号为：%1").arg(nn + 1);
    case 0x87:
        return Text::tr("追加发送滚动信息，追加小号图文短信，序号为：%1").arg(nn + 1);
    default:
        return QString();
    }
}

QString lastOperationText(int word)
{
    const int value = word & 0xFFFF;
    if (value == 0xFFFF)
        return kCrLf + kCrLf;
    const QString operation = lastOperation(value);
    if (operation.isEmpty())
        return QString();
    return Text::tr("最后一次的滚动操作是：%1").arg(operation) + kCrLf + kCrLf;
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
        count = Text::tr("不停滚动");
    return Text::tr("滚动次数：%1").arg(count) + kCrLf;
}

QString pauseLine(int code, int seconds, int pauseEnabled)
{
    if (code < 26) {
        if (seconds > 0)
            return (pauseEnabled != 0 ? Text::tr("滚动间歇时间：%1秒") : Text::tr("滚动间歇时间：%1秒，但现已被取消了间歇功能"))
                       .arg(seconds)
                   + kCrLf;
        if (seconds == 0)
            return Text::tr("滚动间歇时间：%1秒，间歇功能无效").arg(seconds) + kCrLf;
        return QString();
    }
    if (seconds < 1)
        return Text::tr("滚动间歇时间：%1秒，间歇功能无效").arg(seconds) + kCrLf;
    return Text::tr("滚动间歇时间：%1秒，但由于滚动次数设置了不停滚动，所以间歇功能无效").arg(seconds) + kCrLf;
}

// line holds %1 for the level's name.
QString levelLine(const QString& line, int level)
{
    static const char* const levels[] = {QT_TRANSLATE_NOOP("kv", "最亮"), QT_TRANSLATE_NOOP("kv", "较亮"),
                                         QT_TRANSLATE_NOOP("kv", "较暗"), QT_TRANSLATE_NOOP("kv", "最暗")};
    if (level < 0 || level >= int(std::size(levels)))
        return QString();
    return line.arg(Text::tr(levels[level])) + kCrLf;
}

QString displayItemsLine(int items)
{
    static const char* const lines[] = {
        QT_TRANSLATE_NOOP("kv", "全部关闭"),
        QT_TRANSLATE_NOOP("kv", "仅显示滚动"),
        QT_TRANSLATE_NOOP("kv", "仅显示静止图文"),
        QT_TRANSLATE_NOOP("kv", "显示滚动，显示静止图文，台标关闭"),
        QT_TRANSLATE_NOOP("kv", "仅显示台标"),
        QT_TRANSLATE_NOOP("kv", "关闭显示静止图文,显示滚动，显示台标"),
        QT_TRANSLATE_NOOP("kv", "关闭滚动显示，显示静止图文，显示台标"),
        QT_TRANSLATE_NOOP("kv", "全部显示"),
    };
    if (items < 0 || items >= int(std::size(lines)))
        return QString();
    return Text::tr("字幕显示项：%1").arg(Text::tr(lines[items])) + kCrLf;
}

QString currentStaticLine(int current, bool staticShown)
{
    if (current == 0)
        return Text::tr("当前显示静止图文序号：无可显示信息") + kCrLf;
    if (current == 1)
        return (staticShown ? Text::tr("当前显示静止图文为：临时静止图文信息")
                            : Text::tr("当前应该显示的静止图文为：临时静止图文信息，  但现已关闭显示"))
               + kCrLf;
    if (staticShown)
        return Text::tr("当前显示静止图文序号：%1").arg(current - 1) + kCrLf;
    return Text::tr("当前应该显示的静止图文序号：%1  但现已关闭显示").arg(current - 1) + kCrLf;
}

// Background code in bits 0-4, brightness level in bits 5-6; bit 7 set means there is
// no brightness to tell.
// effectLine and brightnessLine hold %1 for the effect's and the level's name.
QString pictureEffectLines(const QString& effectLine, const QString& brightnessLine, int value)
{
    QString text = effectLine.arg(BackgroundEffectName(value & 0x1F)) + kCrLf;
    if ((value & 0x80) == 0)
        text += levelLine(brightnessLine, (value & 0x60) >> 5);
    return text;
}

QString parameterLines(const StatusBlock& b)
{
    const int code = b.byte(0);
    QString text = kCrLf + repetitionLine(code);
    text += pauseLine(code, b.word(13), b.byte(38));
    text += Text::tr("滚动垂直位置：%1").arg(b.word(1)) + kCrLf;
    text += levelLine(Text::tr("字符亮度：%1"), b.byte(3));
    text += Text::tr("滚动背景条效果：%1").arg(BackgroundEffectName(b.byte(4))) + kCrLf;
    text += Text::tr("滚动背景条上端高度：%1").arg(b.byte(5)) + kCrLf;
    text += Text::tr("滚动背景条下端高度：%1").arg(b.byte(6)) + kCrLf;
    text += displayItemsLine(b.byte(7));
    text += Text::tr("滚动速度：%1").arg(b.byte(8)) + kCrLf;
    text += Text::tr("滚动条水平偏移：%1").arg(b.byte(9) / 5) + kCrLf + kCrLf;

    text += Text::tr("开机显示静止图文序号：%1").arg(b.byte(17) + 1) + kCrLf;
    text += currentStaticLine(b.byte(35), (b.byte(7) & 0x02) != 0);
    const int powerOnSeconds = b.word(19);
    text += (powerOnSeconds != 0 ? Text::tr("开机显示静止图文时间：%1秒").arg(powerOnSeconds)
                                 : Text::tr("开机显示静止图文时间：保持显示"))
            + kCrLf;
    text += Text::tr("开机滚动组合快捷序号：%1").arg(b.byte(18) + 1) + kCrLf + kCrLf;

    const int logoHeight = b.word(22);
    text += (logoHeight < 481 ? Text::tr("台标图文尺寸：%1 x %2").arg(b.byte(21) * 8).arg(logoHeight)
                              : Text::tr("台标图文尺寸：无效"))
            + kCrLf;
    text += Text::tr("台标水平偏移：%1").arg(b.byte(24)) + kCrLf;
    text += Text::tr("台标图文垂直位置：%1").arg(b.word(25)) + kCrLf;
    const QString logoEffect = pictureEffectLines(Text::tr("台标图文背景效果：%1"), Text::tr("台标亮度：%1"),
                                                  b.byte(27));
    text += logoEffect + ((b.byte(27) & 0x80) == 0 ? kCrLf : QString());

    text += Text::tr("静止图文尺寸：%1 x %2").arg(b.byte(28) * 8).arg(b.word(29)) + kCrLf;
    text += Text::tr("静止图文水平偏移：%1").arg(b.byte(31)) + kCrLf;
    text += Text::tr("静止图文垂直位置：%1").arg(b.word(32)) + kCrLf;
    text += pictureEffectLines(Text::tr("静止图文背景效果：%1"), Text::tr("静止图文亮度：%1"), b.byte(34));
    return text;
}

QString failureText()
{
    return Text::tr("指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！");
}
} // namespace

QByteArray StatusRequestFrame(quint8 address)
{
    return AddressedFrame(address, command::kStatusRequest, QByteArray(1, char(0xFE)));
}

QString StatusReportTitle()
{
    return Text::tr("字幕信息");
}

QString StatusReportText(const QString& addressText, const QByteArray& head, const QByteArray& body)
{
    const int length = int(quint8(head.at(0))) << 8 | quint8(head.at(1));
    const StatusBlock block(body.mid(length, kStatusBlockSize));

    QString text = Text::tr("          以下是地址码为 %1 的字幕信息").arg(addressText) + kCrLf + kCrLf;
    text += lastOperationText(block.word(36));
    const int size = quint8(head.at(2));
    if (size == 0)
        text += Text::tr("滚动字体尺寸：大号") + kCrLf;
    else if (size == 1)
        text += Text::tr("滚动字体尺寸：小号") + kCrLf;
    text += Text::tr("滚动信息：%1").arg(messageText(body, length)) + kCrLf;
    text += Text::tr("滚动字符总数：%1").arg(QString::number(length / 2.0));
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
        return {Refuse(prompter, addressText.isEmpty() ? Text::tr("指定地址码为空，请先输入0-255的设备地址码")
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
