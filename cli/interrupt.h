#pragma once

#include "base/prompter.h"

namespace kv::cli {

// While it lives, Ctrl+C asks the running operation to stop at its next safe point
// through the prompter's cancel flag, so a wait ends and the port closes; a second
// Ctrl+C ends kvctl at once, as usual.
class InterruptCancels {
public:
    explicit InterruptCancels(CancelFlag& flag);
    ~InterruptCancels();
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;
};

} // namespace kv::cli
