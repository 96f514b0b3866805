#pragma once

#include <QtGlobal>

namespace kv {

// Time as the link sees it. The reply wait measures silence with it and operations
// pause with it, so tests can run those rules against a controllable clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() = 0;
    virtual void sleepMs(int ms) = 0;
    // A sleep the link repeats per frame, where whole milliseconds would add up. A clock
    // that counts milliseconds rounds it up.
    virtual void sleepUs(qint64 us) { sleepMs(static_cast<int>((us + 999) / 1000)); }
};

class SteadyClock : public Clock {
public:
    SteadyClock();
    qint64 nowMs() override;
    void sleepMs(int ms) override;
    void sleepUs(qint64 us) override;

private:
    qint64 originNs_;
};

} // namespace kv
