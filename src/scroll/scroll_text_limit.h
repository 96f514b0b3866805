#pragma once

#include <QString>

namespace kv {

// A built-in-font scroll message holds at most this many characters.
constexpr int kScrollTextLimit = 2000;

// True when the text encodes to at most kScrollTextLimit characters, counted as the
// encoded hex digits divided by 4 (a CR LF pair counts as one character). A text with a
// character outside code page 936 is counted as if that character had a code; the send
// refuses it on its own.
bool ScrollTextFits(const QString& text);

// "超出范围，最多能发送2000个字符"
QString ScrollTextTooLongText();

} // namespace kv
