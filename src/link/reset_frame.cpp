#include "link/reset_frame.h"

#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"

namespace kv {

QByteArray ResetFrame(quint8 address)
{
    return CheckByteFrame(command::kReset, address);
}

void WriteResetFrame(LineSession& session, quint8 address)
{
    session.write(ResetFrame(address));
    session.closeLine();
}

} // namespace kv
