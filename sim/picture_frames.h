#pragma once

#include "decode/frame.h"
#include "sim/png_image.h"
#include "sim/unit_events.h"
#include "sim/unit_state.h"

namespace kv::sim {

// The unit holds stored static pictures 1 to 12 and picture messages 1 to 30 of each
// cell size.
constexpr int kStoredPictureCount = 12;
constexpr int kPictureMessageCount = 30;

// A picture header of kind 1 is sent by the static send page, with no sum byte, and by
// a stored static slot, with one: which of the two only the next byte tells.
struct PendingSlotPicture {
    bool waiting = false;
    int slot = 0;     // the stored picture (number - 1) it goes to when the sum comes
    int rawShade = 0; // the shade byte as sent, of the seven-entry background list
    // What the unit showed before, for a sum that proves the picture incomplete.
    PictureLayer shownBefore;
    int currentStaticBefore = 0;
};

// The sum byte of a picture matrix: all its bytes modulo 256.
int MatrixSum(const QByteArray& matrix);

// A cell-order matrix (cells of size x size pixels, left to right, each its rows top to
// bottom) as one row-order matrix of cells x size pixels wide, size high.
QByteArray CellsToRows(const QByteArray& cells, int count, int size);

// The stored picture (number - 1) the unit shows now, -1 when it shows none of them.
// The frames of the static slots name no slot: a download and a change of parameters
// go to the stored picture shown, a download to the first when none is shown.
int ShownSlot(const UnitState& state);

// Each takes a whole frame, as the frame layout measured it, into the state; what was
// dropped goes into the events' notes, what arrived to be shown into their pictures.

// Header 0x88 with its matrix, and its sum byte unless it is of kind 1. A wrong sum
// drops the picture and leaves the unit as it was.
void TakePictureHeader(const Frame& frame, UnitState& state, UnitEvents& events,
                       PendingSlotPicture& pending);
// The sum byte after a kind-1 header: the picture was for a stored static slot. A
// wrong sum drops it, as for the other kinds: the unit shows and keeps what it did.
void TakePictureSum(UnitState& state, UnitEvents& events, PendingSlotPicture& pending, quint8 sum);
// Frame 0x81 in its two layouts: the rendered scroll picture with its sum byte, and a
// stored picture message with its trailer. A wrong sum or trailer drops it.
void TakePictureMessage(const Frame& frame, UnitState& state, UnitEvents& events);
// Frame 0x8B: the display parameters of the logo or of the stored static picture shown.
void TakeSlotParameters(const Frame& frame, UnitState& state, UnitEvents& events);
// Frame 0x89: shows a stored static picture, for the timed-display value.
void TakeRecall(const Frame& frame, UnitState& state);

} // namespace kv::sim
