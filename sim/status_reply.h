#pragma once

#include "sim/reply.h"
#include "sim/unit_state.h"

namespace kv::sim {

constexpr int kStatusBlockSize = 39;

// The two-part answer to the status request: the message length and font size, then
// the message bytes followed by the 39-byte status block, all from the unit's state.
Reply BuildStatusReply(const UnitState& state);

} // namespace kv::sim
