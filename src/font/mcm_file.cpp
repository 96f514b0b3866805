#include "font/mcm_file.h"

#include "text/operator_text.h"

#include <QList>

namespace kv {

namespace {
const QByteArray kHeader = QByteArrayLiteral("MAX7456");
constexpr int kDataLines = kGlyphCount * kMcmLinesPerGlyph; // 16 384

std::optional<quint8> parseBinaryByte(const QByteArray& line)
{
    if (line.size() != 8)
        return std::nullopt;
    quint8 value = 0;
    for (char c : line) {
        if (c != '0' && c != '1')
            return std::nullopt;
        value = static_cast<quint8>((value << 1) | (c == '1'));
    }
    return value;
}

FontImportError lineError(int lineNumber, const QString& what)
{
    return {Text::tr("第%1行：%2").arg(lineNumber).arg(what)};
}
} // namespace

std::variant<McmFont, FontImportError> ParseMcm(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    // A final line end leaves one empty piece; a trailing blank line leaves another.
    for (int i = 0; i < 2 && !lines.isEmpty() && lines.last().isEmpty(); ++i)
        lines.removeLast();

    if (lines.isEmpty() || lines.first().trimmed() != kHeader)
        return lineError(1, Text::tr("文件头应为“MAX7456”"));
    if (lines.size() - 1 < kDataLines)
        return FontImportError{Text::tr("文件不完整：共%1行，应为%2行").arg(lines.size()).arg(kDataLines + 1)};
    if (lines.size() - 1 > kDataLines)
        return lineError(kDataLines + 2, Text::tr("多余的行，字库只有%1行").arg(kDataLines + 1));

    QByteArray device(kFontTableSize, '\0');
    QByteArray padding(kGlyphCount * kMcmPaddingPerGlyph, '\0');
    for (int i = 0; i < kDataLines; ++i) {
        const auto value = parseBinaryByte(lines.at(i + 1));
        if (!value)
            return lineError(i + 2, Text::tr("应为8位二进制数字（0或1），实为“%1”")
                                        .arg(QString::fromLatin1(lines.at(i + 1).left(32))));
        const int glyph = i / kMcmLinesPerGlyph;
        const int offset = i % kMcmLinesPerGlyph;
        if (offset < kRecordSize)
            device[glyph * kRecordSize + offset] = static_cast<char>(*value);
        else
            padding[glyph * kMcmPaddingPerGlyph + offset - kRecordSize] = static_cast<char>(*value);
    }
    return McmFont{FontTable::fromDeviceBytes(device), padding};
}

QByteArray McmContent(const FontTable& table, const QByteArray& padding)
{
    const bool ownPadding = padding.size() == kGlyphCount * kMcmPaddingPerGlyph;
    QByteArray out;
    out.reserve(10 * (kDataLines + 1));
    out += kHeader + "\r\n";
    const QByteArray& bytes = table.bytes();
    auto appendByte = [&out](quint8 value) {
        for (int bit = 7; bit >= 0; --bit)
            out += ((value >> bit) & 1) ? '1' : '0';
        out += "\r\n";
    };
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        for (int k = 0; k < kRecordSize; ++k)
            appendByte(static_cast<quint8>(bytes.at(glyph * kRecordSize + k)));
        for (int k = 0; k < kMcmPaddingPerGlyph; ++k)
            appendByte(ownPadding ? static_cast<quint8>(padding.at(glyph * kMcmPaddingPerGlyph + k))
                                  : kMcmFreshPadding);
    }
    return out;
}

} // namespace kv
