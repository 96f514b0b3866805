#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace kv {

// Hex text as engineers write it: pairs of digits, "0x" prefixes, spaces, line breaks
// and commas; a word of one digit ("0x5") is one byte written short. The text may come
// in pieces of any size (a capture file read bit by bit), and each byte is given as
// soon as its pair is complete, so no text is too long to read.
class HexTextReader {
public:
    // Reads the next piece of the text and appends the bytes it completes. False once
    // the text has held anything else than hex text; what follows is then ignored.
    bool read(QStringView piece, QByteArray* bytes);
    // The end of the text: appends the last byte. False when the text is no hex text,
    // holds no digit or ends on an odd one.
    bool finish(QByteArray* bytes);

private:
    void prefixed(QChar c, QByteArray* bytes);
    void worded(QChar c, QByteArray* bytes);
    void digit(int value, QByteArray* bytes);

    bool valid_ = true;
    // A "0" or "0x" that may turn out to be a prefix, dropped when a digit follows.
    int pendingPrefix_ = 0;
    // The digits of the current word, and its first while the word may be one digit.
    int wordDigits_ = 0;
    int firstOfWord_ = 0;
    // The high digit of a byte whose low digit is still to come; -1 when none.
    int highDigit_ = -1;
    bool anyDigit_ = false;
};

// The bytes of a whole hex text; nothing when it is none.
std::optional<QByteArray> HexTextBytes(QStringView text);

// Two upper-case hex digits per byte, no separators: the reply text ("050A").
QString HexText(const QByteArray& bytes);
// Two upper-case hex digits per byte, a space between bytes ("5A F9 01 01 A3"): the
// traffic log's and the simulator's form.
QString SpacedHexPairs(const QByteArray& bytes);
// The same with a space after the last byte too ("5A F9 01 01 A3 "): the sent-data echo.
QString SpacedHexText(const QByteArray& bytes);

} // namespace kv
