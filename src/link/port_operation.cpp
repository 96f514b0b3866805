#include "link/port_operation.h"

#include "base/prompter.h"
#include "link/line_session.h"
#include "link/link.h"

namespace kv {

namespace {
// Closes the port however the body leaves, also when it throws something other than a
// port fault.
class ClosesPort {
public:
    explicit ClosesPort(Link& link) : link_(link) {}
    ~ClosesPort() { link_.closePort(); }
    ClosesPort(const ClosesPort&) = delete;
    ClosesPort& operator=(const ClosesPort&) = delete;

private:
    Link& link_;
};

// Shows the message of a serial-port fault and returns it; a port that is gone also has
// its chooser fall back.
QString showPortFault(const PortDevice& device, Prompter& prompter, const CommError& error)
{
    const QString text = CommErrorText(error.number, device.name);
    if (!text.isEmpty())
        prompter.error(text);
    if (error.number == comm::kPortMissing && device.whenMissing)
        device.whenMissing(prompter);
    return text;
}
} // namespace

Outcome RunOnPort(Link& link, Prompter& prompter, const std::function<void(LineSession&)>& body)
{
    link.setCancelFlag(&prompter.cancelFlag());
    try {
        ClosesPort closes(link);
        link.ensurePortOpen();
        LineSession session(link);
        body(session);
    } catch (const CommError& error) {
        return Outcome::PortFault(showPortFault(link.device(), prompter, error));
    }
    return prompter.cancelFlag().requested() ? Outcome::Cancelled() : Outcome::Done();
}

} // namespace kv
