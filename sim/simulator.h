#pragma once

#include "decode/frame_parser.h"
#include "sim/unit.h"

#include <QList>
#include <QString>
#include <deque>

namespace kv::sim {

class PictureFiles;
class StateWriter;
class TrafficLog;
class UnitStore;

// The line and the units on it, free of any real device or clock: bytes go in with
// the rate they were sent at and the time, replies come out with the time they are
// due. The pty server drives it; tests drive it directly.
class Simulator {
public:
    struct Output {
        qint64 dueUs;
        QByteArray bytes;
        QString label;
    };

    // A real unit needs a moment before it answers; the tool clears its input when it
    // starts waiting, so an answer should not come back faster than that.
    static constexpr qint64 kDefaultTurnaroundUs = 10'000;
    // The status block follows its head once the tool has begun the second wait.
    static constexpr qint64 kStatusGapUs = 40'000;
    // A frame left half-way for this long is abandoned.
    static constexpr qint64 kQuietResetUs = 1'000'000;
    // The sum byte of a stored-slot picture follows its matrix at once; the tool sends
    // nothing else that soon after a static picture.
    static constexpr qint64 kPictureSumWindowUs = 15'000;

    // turnaroundUs: from the end of a frame to the start of its answer.
    Simulator(QList<Unit> units, bool pace, qint64 turnaroundUs);
    void setLog(TrafficLog* log) { log_ = log; }
    void setStateWriter(const StateWriter* writer) { stateWriter_ = writer; }
    void setStore(UnitStore* store) { store_ = store; }
    void setPictureFiles(const PictureFiles* files) { pictureFiles_ = files; }

    // Bytes the tool wrote while the line ran at lineBaud (0: unknown rate).
    void receive(const QByteArray& bytes, int lineBaud, qint64 nowUs);
    // Hands over received bytes whose time has come and gives up stale frames.
    void advance(qint64 nowUs);
    // When advance or takeDueOutput next has work; -1 when only new bytes can bring any.
    qint64 nextWakeUs() const;
    QList<Output> takeDueOutput(qint64 nowUs);
    // Output the line could not take yet goes back to the front of the queue.
    void putBack(const Output& output);

    const QList<Unit>& units() const { return units_; }
    void writeState();
    // Keeps the units' non-volatile settings in the store when they changed.
    void writeStore();

private:
    struct Incoming {
        qint64 dueUs;
        int baud;
        char byte;
    };

    void deliver(const QByteArray& bytes, int baud, qint64 nowUs);
    void handle(const ParseEvent& event, int baud, qint64 nowUs);
    void handleFrame(const QByteArray& bytes, int baud, qint64 nowUs);
    void schedule(const Reply& reply, int baud, int lateMs, int splitMs, const QString& label,
                  qint64 nowUs);
    void log(const QString& line);
    // Logs the unit's notes and writes the pictures it got.
    void passOnEvents(Unit& unit);
    qint64 byteTimeUs(int baud) const;

    QList<Unit> units_;
    bool pace_;
    qint64 turnaroundUs_;
    TrafficLog* log_ = nullptr;
    const StateWriter* stateWriter_ = nullptr;
    UnitStore* store_ = nullptr;
    const PictureFiles* pictureFiles_ = nullptr;
    FrameParser parser_;
    std::deque<Incoming> incoming_;
    std::deque<Output> outgoing_;
    qint64 inputFreeUs_ = 0;  // when the last received byte is through, paced
    qint64 outputFreeUs_ = 0; // when the last scheduled reply byte is out
    qint64 lastDeliveryUs_ = 0;
    int parserBaud_ = -1;
    QList<int> lastActors_;   // indexes of the units that took the last frame
    bool stateErrorShown_ = false;
    bool storeErrorShown_ = false;
    bool pictureErrorShown_ = false;
};

} // namespace kv::sim
