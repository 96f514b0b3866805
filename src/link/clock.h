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
};

class SteadyClock : public Clock {
public:
    SteadyClock();
    qint64 nowMs() override;
    void sleepMs(int ms) override;

private:
    qint64 originNs_;
};

} // namespace kv
