#pragma once

#include "decode/frame.h"
#include "sim/reply.h"
#include "sim/unit_events.h"
#include "sim/unit_state.h"

#include <optional>

namespace kv::sim {

// The frames of the device command menu (display items, unit actions, captions) and of
// the display tests (character screen, offsets, crosshair, video mode, stored screen
// settings), read from their byte tables.

// Takes such a frame into the unit's state and gives its answer; nothing when the
// frame is of another kind. A frame that changes the character screen hands the screen,
// drawn with the unit's font, to the events as the picture "screen".
std::optional<Reply> TakeControlFrame(const Frame& frame, UnitState& state, UnitEvents& events);

// A restart: what the unit kept comes back, and what it applied only until the
// restart is gone (display items not kept, captions off, a tried video mode, offsets
// and the test screen).
void RestartUnit(UnitState& state);

} // namespace kv::sim
