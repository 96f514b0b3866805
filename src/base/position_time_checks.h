#pragma once

#include <QString>
#include <optional>

namespace kv {

// A numeric box's check, made on every change. A refused text's message is shown (by
// the scroll panels' boxes as an error, title "错误") and resetTo is put into the box.
// An empty box is accepted while typing.
struct BoxVerdict {
    QString message;
    QString resetTo;
    bool ok() const { return message.isEmpty(); }
};

// Vertical position of the scroll (and of the custom-font static text): at most 590,
// the PAL limit; the NTSC limit of 490 is only told.
BoxVerdict CheckVerticalPositionBox(const QString& text);
// Pause between repetitions: 0 to 60000 seconds.
BoxVerdict CheckIntervalBox(const QString& text);
// Display timer of the send panel: 0 to 60000 seconds.
BoxVerdict CheckTimerBox(const QString& text);

// A box's value: plain decimal digits only (no sign, no spaces, no fraction).
std::optional<int> BoxValue(const QString& text);

constexpr int kMaxVerticalPosition = 590;
constexpr int kMaxSeconds = 60000;

} // namespace kv
