#pragma once

// The addressed frames of static pictures, static text, the logo and stored pictures.
// Each starts 5A 5B, the target address and the command code, ends with the queue count
// and addresses, and has no check byte; the unit answers none of them. A picture header
// is followed on the line by its matrix (and, for the logo/static slots, a sum byte);
// the operations that write them are in picture/picture_send.h.

#include "base/position_time_checks.h"
#include "link/send_target.h"

#include <QByteArray>

namespace kv {

// Where and how the unit shows a picture or text: selector indexes and the vertical
// position field's value.
struct Placement {
    int horizontalOffset = 0;   // the offset selector's index
    int verticalPosition = 150; // sent high byte first
    int brightness = 0;         // "字符最亮" 0 .. "字符最暗" 3
    int background = 0;         // index in the page's background list
};

// The placement an edit page or the static send fields choose; a vertical position box
// that holds no number places at 0.
template <class Fields>
Placement PlacementOf(const Fields& fields)
{
    return {fields.horizontalOffset, BoxValue(fields.verticalPosition).value_or(0), fields.brightness,
            fields.background};
}

// Brightness index x 32 + background index.
quint8 BrightnessBackgroundByte(const Placement& placement);

// The slot kind byte: 0 for the logo, 1 for a static picture, 2 for a static picture
// that the unit also shows at power-on. A logo is never a power-on static picture,
// whatever the power-on box shows.
quint8 SlotKind(bool logoPage, bool powerOn);
constexpr quint8 kPowerOnStaticSlot = 2;

// 0x88 for the edit pages: the picture's bytes per row and height, the placement and
// the slot kind.
QByteArray SlotPictureHeader(const SendTarget& target, int width, int height, const Placement& placement,
                             quint8 slotKind);
// 0x88 for the static send modes: always a plain static picture.
QByteArray StaticPictureHeader(const SendTarget& target, int width, int height, const Placement& placement);

// 0x23: static text in the unit's own font (0 large, 1 small), announcing textBytes
// bytes that follow. The count has one byte, hence the limit.
constexpr int kMaxStaticTextBytes = 255;
QByteArray StaticTextHeader(const SendTarget& target, bool smallFont, int lineSpacing, const Placement& placement,
                            quint8 textBytes);

// 0x81: a picture stored as picture message number (1..30) in cells of 48 (large) or
// 32 (small) pixels; the cell matrix and the trailer follow.
QByteArray PictureMessageHeader(const SendTarget& target, int cells, bool smallCells, int number, bool powerOn);
// 01, cells, cells, A1 F2, then A1 F5 once per cell.
QByteArray PictureMessageTrailer(int cells);

// 0x8B: new display parameters for the stored static picture.
QByteArray SlotParametersFrame(const SendTarget& target, const Placement& placement, quint8 slotKind);

// 0x89: show stored picture number (1..12), refreshing or appending, for the timer's
// seconds.
QByteArray RecallPictureFrame(const SendTarget& target, bool append, int number, quint16 timerSeconds);

// 0x24: show for the given seconds; scrollMode tells a scroll send from a static one.
QByteArray TimedDisplayFrame(const SendTarget& target, quint16 seconds, bool scrollMode);

} // namespace kv
