#include "link/clock.h"

#include <QThread>
#include <chrono>
#include <thread>

namespace kv {

namespace {
qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

SteadyClock::SteadyClock() : originNs_(steadyNs()) {}

qint64 SteadyClock::nowMs()
{
    return (steadyNs() - originNs_) / 1000000;
}

void SteadyClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void SteadyClock::sleepUs(qint64 us)
{
    if (us > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(us));
}

} // namespace kv
