#pragma once

#include "decode/hex_text.h"

#include <QByteArray>
#include <QString>
#include <initializer_list>

namespace kv {

// Addressed frame: 5A 5B, target address (1-254 one unit, 255 every unit and the
// address-queue mode), command code, fields. No length and no check byte.
QByteArray AddressedFrame(quint8 target, quint8 code, const QByteArray& fields = {});

// Check-byte frame: 5A, command code, device address (0 = every unit), the count of
// the bytes after the count, the payload, and the XOR of every byte before it.
QByteArray CheckByteFrame(quint8 code, quint8 address, const QByteArray& payload = {});

quint8 XorOf(const QByteArray& bytes);

// Frame fields written as byte values: FieldBytes({0x77, index}).
QByteArray FieldBytes(std::initializer_list<int> values);


} // namespace kv
