#pragma once

#include "link/clock.h"
#include "link/serial_port.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace kv::test {

// A clock that moves only when the code under test waits or sleeps.
class FakeClock : public Clock {
public:
    qint64 nowMs() override { return now; }
    void sleepMs(int ms) override { advanceTo(now + qMax(ms, 0)); }
    void advanceTo(qint64 t)
    {
        now = qMax(now, t);
        if (onAdvance)
            onAdvance(now);
    }
    qint64 now = 1000;
    // Runs each time the clock moves, with the new time: a test's way to act while the
    // code under test waits (the operator's cancel, for instance).
    std::function<void(qint64 now)> onAdvance;
};

// An in-memory serial port on a FakeClock. Replies are scripted as bytes that arrive
// at given times after a write; waiting advances the clock to the next arrival.
class MemoryPort : public SerialPort {
public:
    explicit MemoryPort(FakeClock& clock) : clock_(clock) {}

    struct Arrival {
        qint64 atMs; // absolute time on the clock
        QByteArray bytes;
    };

    // Called after every write with the bytes written; may schedule arrivals.
    std::function<void(MemoryPort&, const QByteArray&)> onWrite;
    // Bytes arriving `afterMs` from now.
    void arrive(qint64 afterMs, const QByteArray& bytes) { pending.append({clock_.now + afterMs, bytes}); }

    // What the test can inspect or break.
    QByteArray written;              // every byte written while open, in order
    QList<QByteArray> writes;        // each write
    QList<int> openBauds;            // the baud of each open
    QList<QString> openPaths;
    int failOpenWith = 0;            // a CommError number to throw at the next opens
    bool stallOutput = false;        // output never leaves
    // Written bytes leave at this rate, ten bit times each, as the clock moves; 0: at once.
    int paceBaud = 0;
    qint64 cutAtClose = 0;           // bytes still unsent when the port closed
    QList<Arrival> pending;
    int opens = 0;
    int closes = 0;

    void open(const QString& path, int baud) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    qint64 pendingOutput() override;
    void waitForOutput(int ms) override;
    qint64 inputCount() override;
    void discardInput() override;
    QByteArray readInput() override;
    void waitForInput(int ms) override;

private:
    void deliverDue();
    void requireOpen() const;

    FakeClock& clock_;
    bool open_ = false;
    QByteArray input_;
    qint64 stalled_ = 0;
    qint64 lineFreeAtUs_ = 0; // when the paced output will all have left, on the clock

};

} // namespace kv::test
