#include "sim/unit_text.h"

#include <QStringDecoder>

namespace kv::sim {

namespace {

constexpr quint8 kLineBreak = 0xFF;
constexpr quint8 kFullWidthRow = 0xA3;

QString decodePair(QStringDecoder& decoder, quint8 high, quint8 low)
{
    if (high == 0xA1 && low == 0xA1)
        return QStringLiteral(" ");
    if (high == kFullWidthRow && low >= 0xA1 && low <= 0xFE)
        return QString(QChar(low - 0x80));
    if (!decoder.isValid())
        return QString(QChar::ReplacementCharacter);
    const char pair[2] = {static_cast<char>(high), static_cast<char>(low)};
    const QString text = decoder.decode(QByteArrayView(pair, 2));
    return text.isEmpty() ? QString(QChar::ReplacementCharacter) : text;
}

} // namespace

QString DecodeUnitText(const QByteArray& codes)
{
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    QString text;
    for (qsizetype i = 0; i < codes.size();) {
        const quint8 byte = static_cast<quint8>(codes.at(i));
        if (byte == kLineBreak) {
            text += QLatin1Char('\n');
            ++i;
        } else if (byte < 0x80) {
            text += QLatin1Char(char(byte));
            ++i;
        } else if (i + 1 < codes.size()) {
            text += decodePair(decoder, byte, static_cast<quint8>(codes.at(i + 1)));
            i += 2;
        } else {
            text += QChar(QChar::ReplacementCharacter);
            ++i;
        }
    }
    return text;
}

} // namespace kv::sim
