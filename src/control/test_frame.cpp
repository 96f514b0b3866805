#include "control/test_frame.h"

#include "link/device_address.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"

namespace kv {

Outcome SendTestFrame(const QString& deviceAddress, quint8 code, const QByteArray& payload, bool echo, Link& link,
                   Prompter& prompter)
{
    const auto address = DeviceAddressByte(deviceAddress, prompter);
    if (!address)
        return address.refusal();
    const QByteArray frame = CheckByteFrame(code, *address, payload);
    return RunOnPort(link, prompter, [&](LineSession& session) {
        session.write(frame);
        if (echo)
            session.echo(frame);
    });
}

} // namespace kv
