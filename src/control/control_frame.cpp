#include "control/control_frame.h"

#include "link/frames.h"
#include "link/link.h"
#include "link/port_operation.h"

namespace kv {

QByteArray ControlFrame(const SendTarget& target, ControlCommand command, const QByteArray& fields)
{
    return AddressedFrame(target.address, quint8(command), fields + char(target.queueCount()));
}

bool SendControlFrame(ControlCommand command, const QByteArray& fields, const TargetChoice& choice, Link& link,
                      Prompter& prompter)
{
    const auto target = ResolveSendTarget(choice, prompter);
    if (!target)
        return false;
    return RunOnPort(link, prompter, [&] {
        link.write(ControlFrame(*target, command, fields));
        link.drainOutput();
        if (target->queueCount() == 0)
            return;
        link.write(target->queue);
        link.drainOutput();
    });
}

} // namespace kv
