#pragma once

#include "base/outcome.h"

#include <QString>
#include <optional>

namespace kv {

class Link;
class Prompter;

// Placing the unit's screen: the offsets, the video mode, the crosshair, and storing
// them in the unit. Values are the indexes of the test panel's selectors.

enum class Offset { Horizontal, Vertical };
// "确定" beside an offset: F2 or F3.
Outcome SetScreenOffset(const QString& deviceAddress, Offset offset, int value, Link& link, Prompter& prompter);

// Choosing a video mode tries it at once: F0.
Outcome TryVideoMode(const QString& deviceAddress, int mode, Link& link, Prompter& prompter);

// "保存视频显示模式 ↑": E3 to every unit; the unit answers 88 once it has stored it.
Outcome StoreVideoMode(int mode, Link& link, Prompter& prompter);

struct ScreenSettingsInput {
    int horizontalOffset = 30;
    int verticalOffset = 18;
    int shape = 0;
    int rowIndex = 5;
    int columnIndex = 12;
};
// "保存设置": E0 to every unit, the row and column as the unit counts them (the shown
// number minus one); the unit answers 88.
Outcome StoreScreenSettings(const ScreenSettingsInput& input, Link& link, Prompter& prompter);

enum class CrosshairStep { Next, Previous };
// Done when the unit echoed the shape written.
struct CrosshairOutcome {
    Outcome result;
    std::optional<int> shape; // what the shape selector shows now; nothing when unchanged
};
// "↑" / "↓": reads the unit's shape, steps it within 0-21 and writes it back.
CrosshairOutcome StepCrosshair(CrosshairStep step, Link& link, Prompter& prompter);

// The shape the unit reports (E1); failed after "通信错误", with no shape, when it does
// not answer or answers with no shape of 0-21.
CrosshairOutcome ReadCrosshairShape(Link& link, Prompter& prompter);

} // namespace kv
