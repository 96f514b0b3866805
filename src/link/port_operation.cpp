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
} // namespace

bool RunOnPort(Link& link, Prompter& prompter, const std::function<void(LineSession&)>& body)
{
    link.setCancelFlag(&prompter.cancelFlag());
    try {
        ClosesPort closes(link);
        link.ensurePortOpen();
        LineSession session(link);
        body(session);
    } catch (const CommError& error) {
        link.showCommError(prompter, error);
        return false;
    }
    return true;
}

} // namespace kv
