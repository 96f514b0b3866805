#pragma once

#include "base/outcome.h"
#include "link/send_target.h"

#include <QStringList>
#include <optional>

namespace kv {

class Link;
class Prompter;

// A display item as the unit takes it: the code of the layer combination or layer
// switch, and whether the unit stores it (kept over a restart) or applies it only until
// the next restart.
struct DisplayItem {
    quint8 code = 0;
    bool keep = false;
};

// The display-item codes the device command menu sends on its own.
namespace display_item {
constexpr quint8 kCancelIntermittent = 8;
constexpr quint8 kScrollAndIntermittentOff = 9;
constexpr quint8 kScrollAndIntermittentOn = 10;
constexpr quint8 kCornerLogoOff = 12;
constexpr quint8 kCornerLogoOn = 13;
constexpr quint8 kStationLogoOff = 14;
constexpr quint8 kStationLogoOn = 15;
constexpr quint8 kScrollOn = 16;
constexpr quint8 kNonStopScroll = 17;
} // namespace display_item

constexpr int kDisplayItemEntries = 18;

// The display-item menu: the eight layer combinations kept, a leave entry, the seven
// combinations until restart, the combination "all on" until restart, a leave entry.
QStringList DisplayItemEntries();

// What an entry of the menu sends; nothing for the leave entries and for an index
// outside the menu.
std::optional<DisplayItem> DisplayItemOfEntry(int entry);

// Sends one display item to the resolved target.
Outcome SendDisplayItem(DisplayItem item, const TargetChoice& choice, Link& link, Prompter& prompter);

// A click on an entry of the display-item menu; a leave entry sends nothing and is done.
// The window ignores clicks while the write-address dialog is open or no port is chosen.
Outcome ChooseDisplayItem(int entry, const TargetChoice& choice, Link& link, Prompter& prompter);

} // namespace kv
