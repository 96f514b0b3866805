#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace kv {

class LineSession;

// The restart command: 5A F6, the device address, 01 and the XOR. No reply.
QByteArray ResetFrame(quint8 address);

// Writes the reset frame and closes the port: the unit restarts, and nothing more is
// said to it on this line. Port faults are thrown as CommError for the operation to
// report.
void WriteResetFrame(LineSession& session, quint8 address);

} // namespace kv
