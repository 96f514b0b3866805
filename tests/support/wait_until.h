#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace kv::test {

// Lets the event loop run until the condition holds or the bound passes; returns the
// condition. A bound on waiting, not a timing assertion.
inline bool WaitUntil(const std::function<bool()>& condition, int boundMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > boundMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

} // namespace kv::test
