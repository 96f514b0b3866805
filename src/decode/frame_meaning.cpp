#include "decode/frame_meaning.h"

#include "decode/baud_rates.h"
#include "decode/frame_layout.h"
#include "text/operator_text.h"

#include <QStringList>

namespace kv {

namespace {

constexpr quint8 kEveryUnit = 0xFF;

// The bytes of a frame that may still be coming in: a field that has not arrived
// reads as -1, and the texts built from it are left out.
class Fields {
public:
    explicit Fields(const QByteArray& bytes) : bytes_(bytes) {}

    int at(qsizetype i) const { return i < bytes_.size() ? static_cast<quint8>(bytes_.at(i)) : -1; }
    int word(qsizetype i) const { return at(i) < 0 || at(i + 1) < 0 ? -1 : at(i) << 8 | at(i + 1); }

    // Adds text when the byte it describes is in.
    void add(int value, const QString& text)
    {
        if (value >= 0)
            parts_.append(text);
    }
    // "快捷 5" from "快捷 %1", index 4 and offset 1.
    void number(int value, const QString& label, int offset = 0) { add(value, label.arg(value + offset)); }
    // "波特率 9600" from the rate's index; an index the unit does not know as it stands.
    void rate(int index)
    {
        const int baud = BaudOfIndex(index);
        add(index, baud > 0 ? Text::tr("波特率 %1").arg(baud) : Text::tr("波特率序号 %1").arg(index));
    }
    // A byte of two meanings; another value is shown as it stands.
    void choice(int value, const QString& zero, const QString& one)
    {
        add(value, value == 0 ? zero : value == 1 ? one : QString::number(value));
    }
    // The text of a switch byte that is 1.
    void flag(int value, const QString& text)
    {
        if (value == 1)
            parts_.append(text);
    }
    // "12 字节" from "%1 字节", "300 秒".
    void amount(int value, const QString& text) { add(value, text.arg(value)); }

    QString text() const { return parts_.join(QLatin1Char(' ')); }

private:
    const QByteArray& bytes_;
    QStringList parts_;
};

void addressedFields(const Frame& frame, Fields& f)
{
    // The fields of 0x20 and 0x22 follow the queue, whose count is byte 4; they are in
    // only once the whole queue is.
    const int q = qMax(f.at(4), 0);
    switch (frame.code) {
    case 0x11: f.number(f.at(5), Text::tr("新地址 %1")); return;
    case 0x13:
        f.number(f.at(5), Text::tr("项目 %1"));
        f.flag(f.at(4), Text::tr("并保存"));
        return;
    case 0x15:
        f.add(f.at(4), f.at(4) == 5   ? Text::tr("重启")
                       : f.at(4) == 6 ? Text::tr("删除开机显示")
                                      : Text::tr("操作 %1").arg(f.at(4)));
        return;
    case 0x17: f.rate(f.at(5)); return;
    case 0x19: f.choice(f.at(4), Text::tr("关"), Text::tr("开")); return;
    case 0x20:
        f.number(f.at(5 + q + 3), Text::tr("亮度 %1"));
        f.number(f.at(5 + q + 7), Text::tr("速度 %1"));
        f.flag(f.at(5 + q + 10), Text::tr("并保存"));
        return;
    case 0x22: {
        f.choice(f.at(5), Text::tr("刷新"), Text::tr("追加"));
        const int font = f.at(6 + q);
        if (font >= 0) {
            f.choice(font & 0x1F, Text::tr("大号字库"), Text::tr("小号字库"));
            f.flag((font & 0x20) ? 1 : 0, Text::tr("并设为开机"));
        }
        f.amount(f.word(7 + q), Text::tr("%1 字节"));
        return;
    }
    case 0x23:
        f.choice(f.at(5), Text::tr("大号字库"), Text::tr("小号字库"));
        f.amount(f.at(11), Text::tr("%1 字节"));
        return;
    case 0x24:
        f.amount(f.word(5), Text::tr("%1 秒"));
        f.choice(f.at(7), Text::tr("静止"), Text::tr("滚动"));
        return;
    case 0x80:
        f.number(f.at(4), Text::tr("快捷 %1"), 1);
        f.choice(f.at(5), Text::tr("大号"), Text::tr("小号"));
        f.amount(f.word(6), Text::tr("%1 字节"));
        f.flag(f.at(9), Text::tr("并设为开机"));
        return;
    case 0x81:
        if (f.at(5) == 0) {
            f.add(0, Text::tr("滚动图片"));
            f.choice(f.at(4), Text::tr("大号"), Text::tr("小号"));
            f.amount(f.word(8), Text::tr("%1 块"));
            f.flag(f.at(6), Text::tr("并设为开机"));
        } else {
            f.number(f.at(7), Text::tr("预存 %1"), 1);
            f.choice(f.at(6), Text::tr("大号"), Text::tr("小号"));
            f.amount(f.at(5), Text::tr("%1 格"));
            f.flag(f.at(8), Text::tr("并设为开机"));
        }
        return;
    case 0x83:
    case 0x85:
        f.choice(f.at(4), Text::tr("大号"), Text::tr("小号"));
        f.number(f.at(5), Text::tr("序号 %1"), 1);
        return;
    case 0x86:
        if (f.at(4) == 0)
            f.add(0, Text::tr("开机滚动"));
        else
            f.number(f.at(5), Text::tr("快捷 %1"), 1);
        return;
    case 0x87:
        f.number(f.at(4), Text::tr("快捷 %1"), 1);
        f.flag(f.at(6), Text::tr("设为开机"));
        return;
    case 0x88: {
        const int kind = f.at(11);
        f.add(kind, kind == 0 ? Text::tr("台标") : kind == 1 ? Text::tr("静止")
                    : kind == 2 ? Text::tr("静止并开机") : Text::tr("类型 %1").arg(kind));
        const int widthBytes = f.at(4);
        const int height = f.word(5);
        f.add(height, QStringLiteral("%1×%2").arg(widthBytes * 8).arg(height));
        f.amount(height < 0 ? -1 : widthBytes * height, Text::tr("%1 字节"));
        return;
    }
    case 0x89:
        f.choice(f.at(4), Text::tr("刷新"), Text::tr("追加"));
        f.number(f.at(5), Text::tr("图片 %1"), 1);
        f.amount(f.word(7), Text::tr("%1 秒"));
        return;
    case 0x8B:
        f.number(f.at(8), Text::tr("类型 %1"));
        f.number(f.word(5), Text::tr("垂直 %1"));
        return;
    default: return;
    }
}

void checkByteFields(const Frame& frame, Fields& f)
{
    // The payload starts at byte 4.
    switch (frame.code) {
    case 0xE0:
        f.number(f.at(4), Text::tr("行 %1"));
        f.number(f.at(5), Text::tr("列 %1"));
        f.number(f.at(6), Text::tr("形状 %1"));
        return;
    case 0xE2: f.number(f.at(4), Text::tr("形状 %1")); return;
    case 0xE3: case 0xF0: f.number(f.at(4), Text::tr("制式 %1")); return;
    case 0xF1: f.number(f.at(4), Text::tr("行 %1")); return;
    case 0xF2: case 0xF3: f.number(f.at(4), Text::tr("值 %1")); return;
    case 0xF4:
        f.number(f.at(4), Text::tr("行 %1"));
        f.number(f.at(5), Text::tr("列 %1"));
        f.add(f.at(3), Text::tr("%1 个字符").arg(qMax(f.at(3) - 3, 0)));
        return;
    case 0xF5:
        f.number(f.at(4), Text::tr("行 %1"));
        f.number(f.at(5), Text::tr("列 %1"));
        f.number(f.at(6), Text::tr("属性 %1"));
        return;
    case 0xF8: f.rate(f.at(4)); f.number(f.at(5), Text::tr("新地址 %1")); return;
    case 0xFC: case 0xFF: f.number(f.at(4), Text::tr("字符 %1")); return;
    default: return;
    }
}

QString targetText(const Frame& frame)
{
    if (frame.envelope == Envelope::CheckByte)
        return frame.target == 0 ? Text::tr("→ 全部") : Text::tr("→ 地址 %1").arg(frame.target);
    if (frame.target != kEveryUnit)
        return Text::tr("→ 地址 %1").arg(frame.target);
    if (frame.queue.isEmpty())
        return Text::tr("→ 全部");
    QStringList addresses;
    for (quint8 address : frame.queue)
        addresses.append(QString::number(address));
    return Text::tr("→ 队列 %1").arg(addresses.join(QStringLiteral(", ")));
}

} // namespace

QString FrameMeaning(const QByteArray& bytes)
{
    const bool addressed = bytes.size() >= 2 && static_cast<quint8>(bytes.at(1)) == 0x5B;
    if (bytes.size() < (addressed ? 4 : 3))
        return Text::tr("帧头");
    const Frame frame = DecodeFrame(bytes);
    const QString title = CommandTitle(frame.envelope, frame.code);
    QStringList parts{QStringLiteral("0x") + QStringLiteral("%1").arg(frame.code, 2, 16, QLatin1Char('0')).toUpper()};
    parts.append(title.isEmpty() ? Text::tr("未知命令") : title);
    Fields fields(bytes);
    if (frame.envelope == Envelope::Addressed)
        addressedFields(frame, fields);
    else
        checkByteFields(frame, fields);
    if (!fields.text().isEmpty())
        parts.append(fields.text());
    parts.append(targetText(frame));
    return parts.join(QLatin1Char(' '));
}

QString EventMeaning(const ParseEvent& event)
{
    using Kind = ParseEvent::Kind;
    auto withFault = [&event](const QString& fault) {
        return FrameMeaning(event.bytes) + QLatin1Char(' ') + fault;
    };
    switch (event.kind) {
    case Kind::Frame: return FrameMeaning(event.bytes);
    case Kind::Unknown: return Text::tr("未知字节 %1 个").arg(event.bytes.size());
    case Kind::BadCount: return withFault(Text::tr("计数不符"));
    case Kind::BadCheck: return withFault(Text::tr("校验字节错误"));
    case Kind::TooLong: return withFault(Text::tr("长度超出"));
    case Kind::Incomplete: return withFault(Text::tr("不完整"));
    case Kind::PictureSum: return Text::tr("图片校验和");
    case Kind::WrongPictureSum: return Text::tr("图片校验和错误");
    }
    return {};
}

} // namespace kv
