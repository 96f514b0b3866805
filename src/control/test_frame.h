#pragma once

#include "base/outcome.h"

#include <QByteArray>
#include <QString>

namespace kv {

class Link;
class Prompter;

// The test panel's commands without a reply: a check-byte frame to the unit of the
// device address box, written and drained; with echo the sent-data pane shows it.
// Refused by the address box, or a port fault (after its message).
Outcome SendTestFrame(const QString& deviceAddress, quint8 code, const QByteArray& payload, bool echo, Link& link,
                   Prompter& prompter);

// Every unit stores its settings from these frames: they go to address 0.
constexpr quint8 kStoringAddress = 0x00;

} // namespace kv
