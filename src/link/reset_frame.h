#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace kv {

class Link;

// The restart command: 5A F6, the device address, 01 and the XOR. No reply.
QByteArray ResetFrame(quint8 address);

// Writes the reset frame on an open or closed port and closes it again. Port faults
// are thrown as CommError for the caller's operation to report.
void WriteResetFrame(Link& link, quint8 address);

} // namespace kv
