#include "interrupt.h"

#include <atomic>
#include <csignal>

namespace kv::cli {

namespace {
std::atomic<CancelFlag*> interruptFlag{nullptr};

// Only lock-free atomics and signal() itself: both are safe in a handler.
void onInterrupt(int)
{
    if (CancelFlag* flag = interruptFlag.load())
        flag->request();
    std::signal(SIGINT, SIG_DFL);
}
} // namespace

InterruptCancels::InterruptCancels(CancelFlag& flag)
{
    interruptFlag.store(&flag);
    std::signal(SIGINT, onInterrupt);
}

InterruptCancels::~InterruptCancels()
{
    std::signal(SIGINT, SIG_DFL);
    interruptFlag.store(nullptr);
}

} // namespace kv::cli
