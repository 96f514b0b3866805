#pragma once

#include "base/outcome.h"
#include "link/send_target.h"

#include <QStringList>

namespace kv {

class Link;
class Prompter;

// The drop-down of stored scrolls: item 0 "开机滚动" (the power-on scroll), items 1-16
// "快捷1" ... "快捷16".
QStringList StoredScrollItems();

// Plays a stored scroll on the resolved target (command 0x86). Does nothing while the
// write-address dialog is open. Done when the frame was sent.
Outcome PlayStoredScroll(int item, const TargetChoice& choice, Link& link, Prompter& prompter);

} // namespace kv
