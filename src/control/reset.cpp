#include "control/reset.h"

#include "link/frames.h"
#include "link/link.h"
#include "link/port_operation.h"

namespace kv {

QByteArray ResetFrame(quint8 address)
{
    return CheckByteFrame(0xF6, address);
}

void WriteResetFrame(Link& link, quint8 address)
{
    link.ensurePortOpen();
    link.write(ResetFrame(address));
    link.drainOutput();
    link.closePort();
}

bool ResetUnit(quint8 address, Link& link, Prompter& prompter)
{
    return RunOnPort(link, prompter, [&] {
        WriteResetFrame(link, address);
        Btyes2String(link, ResetFrame(address));
    });
}

} // namespace kv
