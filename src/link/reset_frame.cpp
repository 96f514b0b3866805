#include "link/reset_frame.h"

#include "link/command_codes.h"
#include "link/frames.h"
#include "link/link.h"

namespace kv {

QByteArray ResetFrame(quint8 address)
{
    return CheckByteFrame(command::kReset, address);
}

void WriteResetFrame(Link& link, quint8 address)
{
    link.ensurePortOpen();
    link.write(ResetFrame(address));
    link.drainOutput();
    link.closePort();
}

} // namespace kv
