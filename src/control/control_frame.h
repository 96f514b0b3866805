#pragma once

#include "base/outcome.h"
#include "link/command_codes.h"
#include "link/send_target.h"

#include <QByteArray>

namespace kv {

class Link;
class Prompter;

// The unit's control commands, addressed frames for the resolved send target.
enum class ControlCommand : quint8 {
    DisplayItem = command::kDisplayItem, // keep flag, display-item code
    UnitAction = command::kUnitAction,   // restart or delete the power-on displays
    Captions = command::kCaptions,       // captions off or back on
};

constexpr quint8 kRestartUnit = 0x05;
constexpr quint8 kDeletePowerOnDisplays = 0x06;
constexpr quint8 kCaptionsOff = 0x00;
constexpr quint8 kCaptionsOn = 0x01;

// 5A 5B, the target address, the command, its fields and the queue count. The queue
// addresses are not part of it: they follow as a write of their own.
QByteArray ControlFrame(const SendTarget& target, ControlCommand command, const QByteArray& fields);

// Resolves the target and writes the frame, then the queue addresses when there are
// any, each write drained. No reply is awaited. Refused when the target does not
// resolve (after its message).
Outcome SendControlFrame(ControlCommand command, const QByteArray& fields, const TargetChoice& choice, Link& link,
                      Prompter& prompter);

} // namespace kv
