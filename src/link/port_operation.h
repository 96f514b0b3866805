#pragma once

#include "base/outcome.h"

#include <functional>

namespace kv {

class Link;
class LineSession;
class Prompter;

// One device operation on the port, the bracket every operation shares: the link looks
// at this operator's cancel, the port opens when it is closed, body runs with the line
// session, and the port closes on every path. A port fault ends the operation: the port
// is closed and the fault shown through the message table, and the outcome is a port
// fault with that message. A body that ends after the operator's cancel gives Cancelled,
// any other end Done; the body's own checks of what the unit answered are its caller's.
Outcome RunOnPort(Link& link, Prompter& prompter, const std::function<void(LineSession&)>& body);

} // namespace kv
