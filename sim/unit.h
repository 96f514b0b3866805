#pragma once

#include "sim/faults.h"
#include "decode/frame.h"
#include "sim/picture_frames.h"
#include "sim/reply.h"
#include "sim/unit_events.h"
#include "sim/unit_state.h"

namespace kv::sim {

// One simulated unit on the line: what it holds, which frames it takes as its own,
// and how it answers them.
class Unit {
public:
    Unit(UnitState state, Faults faults);

    const UnitState& state() const { return state_; }
    const Faults& faults() const { return faults_; }

    // A unit hears only what is sent at its own rate.
    bool hears(int lineBaud) const { return state_.baud == lineBaud; }
    bool isAddressed(const Frame& frame) const;
    // Takes the frame into its state; returns its answer with the faults applied.
    Reply act(const Frame& frame);
    // The picture header just taken was followed by a sum byte: it came from a
    // stored-slot page, whose background index is of the seven-entry list.
    void pictureSumArrived(quint8 sum);
    // The notes and pictures of the frames taken since the last call.
    UnitEvents takeEvents();

private:
    Reply actAddressed(const Frame& frame);
    Reply actCheckByte(const Frame& frame);
    quint8 answeringAddress() const;

    UnitState state_;
    Faults faults_;
    UnitEvents events_;
    PendingSlotPicture pendingSlot_;
};

// The unit's background effect code for an index of the seven-entry background list
// (grey transparent A-D, black cover, grey cover, none).
int BackgroundCodeOfListIndex(int index);
// A shade byte sent with the seven-entry list, in the unit's own form.
int ShadeOfListByte(int raw);

} // namespace kv::sim
