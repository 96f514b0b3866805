#pragma once

#include "decode/frame.h"
#include "sim/unit_events.h"
#include "sim/unit_state.h"

#include <QJsonArray>

namespace kv::sim {

// The unit holds shortcuts 1 to 16.
constexpr int kShortcutCount = 16;

// One piece of a shortcut's content: characters of the built-in font (FE 00, count,
// codes), a stored picture message (FE 01 00, number - 1), or bytes that are neither,
// from the first such byte to the end.
struct ShortcutSegment {
    enum class Kind { Characters, PictureMessage, Undecoded };
    Kind kind = Kind::Undecoded;
    QByteArray bytes;       // the character codes, or the undecoded rest
    int pictureMessage = 0; // the message number, 1 to 256
};

QList<ShortcutSegment> ShortcutSegments(const QByteArray& content);

// The segments as --state and the store show them: {"text", "bytes"} for characters,
// {"pictureMessage": number} for a picture, {"undecoded": hex} for the rest.
QJsonArray ShortcutSegmentsJson(const QByteArray& content);

// Frame 0x80: stores the shortcut under its number; power-on makes it the power-on
// scroll. A number beyond the unit's 16 is noted and nothing stored.
void TakeShortcut(const Frame& frame, UnitState& state, UnitEvents& events);

} // namespace kv::sim
