#include "link/frames.h"

namespace kv {

QByteArray AddressedFrame(quint8 target, quint8 code, const QByteArray& fields)
{
    QByteArray frame;
    frame.reserve(4 + fields.size());
    frame.append(char(0x5A)).append(char(0x5B)).append(char(target)).append(char(code));
    frame.append(fields);
    return frame;
}

QByteArray CheckByteFrame(quint8 code, quint8 address, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(5 + payload.size());
    frame.append(char(0x5A)).append(char(code)).append(char(address));
    frame.append(char(payload.size() + 1));
    frame.append(payload);
    frame.append(char(XorOf(frame)));
    return frame;
}

quint8 XorOf(const QByteArray& bytes)
{
    quint8 x = 0;
    for (char b : bytes)
        x ^= static_cast<quint8>(b);
    return x;
}

QByteArray FieldBytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(quint8(v));
    return out;
}

} // namespace kv
