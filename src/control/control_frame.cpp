#include "control/control_frame.h"

#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"

namespace kv {

QByteArray ControlFrame(const SendTarget& target, ControlCommand command, const QByteArray& fields)
{
    return AddressedFrame(target.address, quint8(command), fields + char(target.queueCount()));
}

Outcome SendControlFrame(ControlCommand command, const QByteArray& fields, const TargetChoice& choice, Link& link,
                      Prompter& prompter)
{
    const auto target = ResolveSendTarget(choice, prompter);
    if (!target)
        return target.refusal();
    QList<QByteArray> writes{ControlFrame(*target, command, fields)};
    if (target->queueCount() > 0)
        writes << target->queue;
    return RunOnPort(link, prompter, [&](LineSession& session) { session.write(writes); });
}

} // namespace kv
