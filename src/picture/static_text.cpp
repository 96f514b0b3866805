#include "picture/static_text.h"

#include "base/prompter.h"
#include "base/unit_text.h"
#include "text/operator_text.h"

#include <QList>

namespace kv {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
// The character that stands for a line break while the text is encoded; its code A8C5
// becomes the unit's line break FF.
const QChar kBreakStandIn(0x3105);
constexpr int kScreenScanLines = 480;
constexpr int kBufferBytes = 16896;
} // namespace

std::optional<QByteArray> EncodeStaticText(const QString& text, QString* unencodable)
{
    QString marked = text;
    marked.replace(kCrLf, QString(kBreakStandIn));
    while (!marked.isEmpty() && IsTailCharacter(marked.back()))
        marked.chop(1);
    // A character at a time, so that a line break can never be read into the middle
    // of two other characters' codes.
    QByteArray out;
    for (char32_t u : marked.toUcs4()) {
        if (u == kBreakStandIn.unicode()) {
            out += char(0xFF);
            continue;
        }
        if (u <= 16 && u != '\r' && u != '\n')
            continue;
        const auto code = EncodeUnitText(QString::fromUcs4(&u, 1), unencodable);
        if (!code)
            return std::nullopt;
        out += code->bytes;
    }
    return out;
}

StaticTextLayout LayoutOfMode(int mode)
{
    if (mode == 9)
        return {32, 24, 128, 4};
    return {48, 16, 288, 6};
}

QString CheckStaticText(const QString& text, int mode, int lineSpacing, Prompter& prompter)
{
    const StaticTextLayout layout = LayoutOfMode(mode);
    QString folded = text;
    if (folded.endsWith(kCrLf))
        folded.chop(2);
    for (int pass = 0; pass < 2; ++pass)
        folded.replace(kCrLf + kCrLf, kCrLf);

    // One pass into one text: a text far beyond the buffer costs no more than its length.
    QString wrapped;
    wrapped.reserve(folded.size() + folded.size() / layout.wrapWidth * 2);
    qint64 lineCount = 1;
    qint64 widest = 0;
    int count = 0;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QChar c = folded.at(i);
        if (c == QLatin1Char('\r')) {
            wrapped += kCrLf;
            ++lineCount;
            count = 0;
            if (i + 1 < folded.size() && folded.at(i + 1) == QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (count == layout.wrapWidth) {
            wrapped += kCrLf;
            ++lineCount;
            count = 0;
        }
        wrapped += c;
        // A character outside the basic plane is one character in two halves.
        if (!c.isHighSurrogate())
            widest = qMax<qint64>(widest, ++count);
    }

    if (lineCount * layout.cellHeight + (lineCount - 1) * lineSpacing > kScreenScanLines)
        prompter.message(ScanLinesExceededText());
    if (lineCount * widest * layout.cellBytes + (lineCount - 1) * lineSpacing * widest * layout.rowBytes
        > kBufferBytes) {
        prompter.error(BufferExceededText());
        return QString();
    }
    return wrapped;
}

QString ScanLinesExceededText()
{
    return Text::tr("输入的字符加上行距结果扫描线大于480，请调整输入字符行数或行距");
}

QString BufferExceededText()
{
    return Text::tr("输入的字符加上行距所占的点阵数据超出设备缓存容量，请调整输入字符或行距");
}

} // namespace kv
