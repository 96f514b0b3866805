#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace kv {

class Link;
class Prompter;

// The restart command: 5A F6, the device address, 01 and the XOR. No reply.
QByteArray ResetFrame(quint8 address);

// Writes the reset frame on an open or closed port and closes it again. Port faults
// are thrown as CommError for the caller's operation to report.
void WriteResetFrame(Link& link, quint8 address);

// "复位": sends the reset frame and shows it in the sent-data pane. A port fault is
// reported and gives false.
bool ResetUnit(quint8 address, Link& link, Prompter& prompter);

} // namespace kv
