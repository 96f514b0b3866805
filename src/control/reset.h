#pragma once

#include "base/outcome.h"

#include <QtGlobal>

namespace kv {

class Link;
class Prompter;

// "复位": sends the reset frame and shows it in the sent-data pane. A port fault is
// reported and gives its outcome.
Outcome ResetUnit(quint8 address, Link& link, Prompter& prompter);

} // namespace kv
