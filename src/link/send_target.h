#pragma once

#include "base/checked.h"

#include <QByteArray>
#include <QString>

namespace kv {

class Prompter;

// The three-way send-mode option group.
enum class SendMode { Broadcast = 0, SpecifiedAddress = 1, AddressQueue = 2 };

// What the target resolution reads: the option chosen, the specified address box and
// the queue's ticked addresses as QueueAddressString (three digits each).
struct TargetChoice {
    SendMode mode = SendMode::Broadcast;
    QString specifiedAddress = QStringLiteral("0");
    QString queueAddressString;
};

// The resolved target of an addressed frame.
struct SendTarget {
    quint8 address = 0xFF;   // TargetAddress: byte 2 of the frame
    QByteArray queue;        // QueueAddresses, in list order
    quint8 queueCount() const { return static_cast<quint8>(queue.size()); }
    // QueueCount followed by QueueAddresses, as the fields of a frame end.
    QByteArray queueFields() const { return QByteArray(1, char(queueCount())) + queue; }
};

// Checks the text of the specified address box as it changes; returns the message
// to show (and the box then returns to "0"), or an empty text when the text is fine.
QString SpecifiedAddressMessage(const QString& text);

// Fills the target from the choice; shows its message and gives the refusal when the
// operation must not go on.
Checked<SendTarget> ResolveSendTarget(const TargetChoice& choice, Prompter& prompter);

// Operations that read a reply only one unit may give refuse the broadcast address.
// Refused (after the message) when the specified address is 255.
Outcome RefuseBroadcastAddress(const QString& specifiedAddress, Prompter& prompter);

} // namespace kv
