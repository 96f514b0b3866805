#include "base/unit_text.h"

#include "base/cp936.h"
#include "decode/hex_text.h"
#include "text/operator_text.h"

#include <QList>
#include <QStringList>

namespace kv {

bool IsTailCharacter(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

namespace {
// Codes 0 to 16 other than CR and LF have no unit code at all.
bool hasNoUnitCode(QChar c)
{
    return c.unicode() <= 16 && c != QLatin1Char('\r') && c != QLatin1Char('\n');
}

QString stripTail(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && IsTailCharacter(text.at(end - 1)))
        --end;
    return end == 0 ? text : text.left(end);
}

// The characters of a text, a surrogate pair kept as one.
QStringList characters(const QString& text)
{
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out << text.mid(i, 2);
            ++i;
        } else {
            out << QString(text.at(i));
        }
    }
    return out;
}
} // namespace

QString UnitText::hex() const
{
    return HexText(bytes);
}

std::optional<UnitText> EncodeUnitText(const QString& text, QString* unencodable)
{
    QString kept;
    for (QChar c : text)
        if (!hasNoUnitCode(c))
            kept += c;

    UnitText out;
    for (const QString& ch : characters(stripTail(kept))) {
        const QChar first = ch.at(0);
        if (first == QLatin1Char(' ')) {
            out.bytes += "\xA1\xA1";
        } else if (first == QLatin1Char('\r') || first == QLatin1Char('\n')) {
            out.bytes += '\xA1';
        } else {
            const auto code = EncodeCp936(ch);
            // A single byte above 0x7F (the euro sign of code page 936) has no
            // full-width form, so it is as unusable as a character with no code.
            const bool usable = code && (code->size() == 2
                                         || (code->size() == 1 && quint8(code->at(0)) < 0x80));
            if (!usable) {
                if (unencodable)
                    *unencodable = ch;
                return std::nullopt;
            }
            if (code->size() == 1) {
                out.bytes += '\xA3';
                out.bytes += char(quint8(code->at(0)) + 0x80);
            } else {
                out.bytes += *code;
            }
        }
    }
    return out;
}

QString UnencodableCharacterText(const QString& character)
{
    QString codes;
    for (char32_t u : character.toUcs4())
        codes += QStringLiteral("U+%1").arg(quint32(u), 4, 16, QLatin1Char('0')).toUpper();
    return Text::tr("字符“%1”(%2)没有设备字符代码，无法发送，请删除或替换该字符")
        .arg(character, codes);
}

QString WithCrLfLineBreaks(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QChar(0x2029), QLatin1Char('\n'));
    out.replace(QChar(0x2028), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return out;
}

} // namespace kv
