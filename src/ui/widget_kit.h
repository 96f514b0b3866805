#pragma once

#include "base/position_time_checks.h"

class QLineEdit;

namespace kv {
class Prompter;
}

namespace kv::ui {

// Checks a box on every change the operator makes: a refused text shows its message
// and the box takes the rule's reset text.
void GuardField(Prompter& prompter, QLineEdit* box, BoxVerdict (*check)(const QString&));

} // namespace kv::ui
