#pragma once

#include <QByteArray>

namespace kv::test {

// Bytes written as hex text in a test ("5A F9 01 01 A3"); spaces are ignored.
inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

// The frame with the XOR of all its bytes appended, worked out here rather than by the
// tool's own frame builders, so a builder fault cannot pass its own check.
inline QByteArray withCheck(QByteArray frame)
{
    quint8 x = 0;
    for (char b : frame)
        x ^= quint8(b);
    return frame.append(char(x));
}

} // namespace kv::test
