#pragma once

#include <QByteArray>
#include <QList>

namespace kv {

enum class Envelope {
    Addressed, // 5A 5B target code fields...; no length, no check byte
    CheckByte, // 5A code address count payload... check
};

// One whole frame as it came off the line, with the parts every unit looks at.
struct Frame {
    Envelope envelope = Envelope::Addressed;
    quint8 code = 0;
    quint8 target = 0;
    // Commands that honour the send mode carry a queue count and that many addresses.
    bool hasQueue = false;
    QList<quint8> queue;
    QByteArray bytes;

    quint8 at(qsizetype index) const { return static_cast<quint8>(bytes.at(index)); }
    int word(qsizetype index) const { return at(index) << 8 | at(index + 1); }
    // The payload of a check-byte frame: the bytes between the count and the check byte.
    QByteArray payload() const { return bytes.mid(4, bytes.size() - 5); }
};

} // namespace kv
