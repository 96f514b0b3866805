#include "control/reset.h"

#include "link/line_session.h"
#include "link/link.h"
#include "link/port_operation.h"
#include "link/reset_frame.h"

namespace kv {

Outcome ResetUnit(quint8 address, Link& link, Prompter& prompter)
{
    return RunOnPort(link, prompter, [&](LineSession& session) {
        WriteResetFrame(session, address);
        session.echo(ResetFrame(address));
    });
}

} // namespace kv
