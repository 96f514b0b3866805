#include "decode/hex_text.h"

namespace kv {

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

bool isSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',');
}

} // namespace

bool HexTextReader::read(QStringView piece, QByteArray* bytes)
{
    for (QChar c : piece) {
        if (!valid_)
            return false;
        prefixed(c, bytes);
    }
    return valid_;
}

bool HexTextReader::finish(QByteArray* bytes)
{
    if (pendingPrefix_ >= 1)
        worded(QLatin1Char('0'), bytes);
    if (pendingPrefix_ == 2)
        worded(QLatin1Char('x'), bytes);
    pendingPrefix_ = 0;
    worded(QLatin1Char(' '), bytes);
    return valid_ && anyDigit_ && highDigit_ < 0;
}

// "0x" and "0X" before a digit are dropped wherever they stand; the digit after a
// dropped prefix never starts another.
void HexTextReader::prefixed(QChar c, QByteArray* bytes)
{
    if (pendingPrefix_ == 1) {
        if (c == QLatin1Char('x') || c == QLatin1Char('X')) {
            pendingPrefix_ = 2;
            return;
        }
        pendingPrefix_ = 0;
        worded(QLatin1Char('0'), bytes);
    } else if (pendingPrefix_ == 2) {
        pendingPrefix_ = 0;
        if (hexValue(c) >= 0) {
            worded(c, bytes);
            return;
        }
        worded(QLatin1Char('0'), bytes);
        worded(QLatin1Char('x'), bytes);
    }
    if (c == QLatin1Char('0'))
        pendingPrefix_ = 1;
    else
        worded(c, bytes);
}

// Words are split at separators; a word of a single digit stands for the byte 0D. The
// digits of all words then pair up in order.
void HexTextReader::worded(QChar c, QByteArray* bytes)
{
    if (isSeparator(c)) {
        if (wordDigits_ == 1) {
            digit(0, bytes);
            digit(firstOfWord_, bytes);
        }
        wordDigits_ = 0;
        return;
    }
    const int value = hexValue(c);
    if (value < 0) {
        valid_ = false;
        return;
    }
    if (wordDigits_ == 0) {
        firstOfWord_ = value;
    } else {
        if (wordDigits_ == 1)
            digit(firstOfWord_, bytes);
        digit(value, bytes);
    }
    ++wordDigits_;
}

void HexTextReader::digit(int value, QByteArray* bytes)
{
    anyDigit_ = true;
    if (highDigit_ < 0) {
        highDigit_ = value;
        return;
    }
    bytes->append(static_cast<char>(highDigit_ << 4 | value));
    highDigit_ = -1;
}

std::optional<QByteArray> HexTextBytes(QStringView text)
{
    HexTextReader reader;
    QByteArray bytes;
    if (!reader.read(text, &bytes) || !reader.finish(&bytes))
        return std::nullopt;
    return bytes;
}

QString HexText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString SpacedHexPairs(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString SpacedHexText(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QString();
    return SpacedHexPairs(bytes) + QLatin1Char(' ');
}

} // namespace kv
