#pragma once

#include "link/clock.h"
#include "link/comm_error.h"
#include "link/reply.h"
#include "link/serial_port.h"
#include "link/traffic.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace kv {

class CancelFlag;
class Prompter;

// What the window shows of the line: the sent-data pane and the traffic log. Calls come
// from the thread that runs the operation, so a window marshals them to its own.
class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    // The sent-data pane: show this text, then hide it after 20 s.
    virtual void sentDataShown(const QString& paneText) = 0;
    virtual void trafficLogged(const TrafficEntry& entry) = 0;
};

// Where the port is, asked at every open: the device path (empty while no port is
// chosen), the name messages give the port, and what the port's chooser does when a
// fault says the port is gone (run after the fault's message).
struct PortDevice {
    QString path;
    QString name;
    std::function<void(Prompter&)> whenMissing = {};
};

// The transport: the port itself (closed between operations), the line rate in force,
// frame writes, the bounded drain and the reply waits. Which port and which rate is the
// port choice's business; it tells the link.
class Link {
public:
    Link(SerialPortFactory factory, Clock& clock);
    ~Link();

    void setObserver(LinkObserver* observer) { observer_ = observer; }
    LinkObserver* observer() const { return observer_; }
    Clock& clock() { return clock_; }

    void setDeviceSource(std::function<PortDevice()> source) { deviceSource_ = std::move(source); }
    PortDevice device() const;

    int lineBaud() const { return lineBaud_; }
    void setLineBaud(int baud) { lineBaud_ = baud; }
    // False when the line's rate is not this program's to set: a device server that
    // takes the bytes as they are (known from its address), or one that refused the rate
    // options (known once the port is open).
    bool setsRate() const;
    // Whether the line may go to this rate: the rate in force always may.
    bool maySetRate(int baud) const { return baud == lineBaud_ || setsRate(); }

    // --- the operation bracket ---
    void ensurePortOpen();
    // After a wait that gave up, the unit may still be answering: closing first waits
    // for that answer as long again as the wait's time-out (two seconds at most) and
    // drops it, so that it does not become the reply to the next request on the line,
    // this program's or the next one's. The operator's cancel ends that wait.
    void closePort();
    // Moves the open line to the rate without closing the port, once it is quiet as
    // closePort waits for it to be; false when the port cannot (or is closed).
    bool changeRateInPlace(int baud);
    bool isOpen() const;
    void write(const QByteArray& bytes);
    // Waits until what was written has left the port. Ends with a CommError when the
    // line stalls past a limit that follows from the bytes pending and the rate; returns
    // false when the operator cancelled.
    bool drainOutput();

    // Called about four times a second while a reply is awaited, with the ms waited.
    using WaitProgress = std::function<void(qint64 waitedMs)>;
    // Waits for exactly n reply bytes. The time-out bounds the silence before the first
    // byte and between bytes; a byte past n ends the wait at once, and so does the
    // operator's cancel. A wait never lasts longer than its silence time-out twice over,
    // a second, and the line time of the bytes awaited with a quarter more. The reading, when
    // given, tells the traffic log what the operation makes of the reply.
    Reply waitReply(int n, int timeoutMs, const WaitProgress& progress = {}, const ReplyReading& reading = {});
    // A reply in two parts whose second length follows from the first: waits for
    // headBytes, asks restLength how many bytes follow them (negative: the head is
    // unusable), then waits for exactly that many more. A unit may send both parts in
    // one go, so nothing that arrives after the head is discarded. Each part's time-out
    // bounds the silence as in waitReply, and the whole wait is bounded as waitReply's by
    // the length the head declares; the reply's bytes are the whole reply.
    Reply waitTwoPartReply(int headBytes, int headTimeoutMs,
                           const std::function<int(const QByteArray& head)>& restLength, int restTimeoutMs);
    // The running operation's cancel, looked at by every wait and the drain; nullptr
    // when nothing may cancel.
    void setCancelFlag(const CancelFlag* flag);
    const CancelFlag* cancelFlag() const { return cancel_; }
private:
    void logTraffic(bool sent, const QByteArray& bytes, ReplyStatus status = ReplyStatus::Complete, int awaited = -1,
                    const QString& reading = {}, const QString& notice = {});
    bool cancelRequested() const;
    // Notes when a wait that gave up may still see its unit's answer.
    Reply expectLateAnswer(Reply reply, int timeoutMs);
    void waitOutLateAnswer();
    // The late answer waited out and the last bytes' line time passed.
    void letLineSettle();
    Reply collectReply(int headBytes, int headTimeoutMs, const std::function<int(const QByteArray& head)>& restLength,
                       int restTimeoutMs, const WaitProgress& progress, const ReplyReading& reading);

    SerialPortFactory factory_;
    std::unique_ptr<SerialPort> port_;
    Clock& clock_;
    LinkObserver* observer_ = nullptr;
    std::function<PortDevice()> deviceSource_;
    int lineBaud_ = 115200;
    const CancelFlag* cancel_ = nullptr;
    // When the last byte written will have left the line, on the link's clock.
    qint64 lineBusyUntilMs_ = 0;
    // Until when the answer to a wait that gave up may still arrive.
    qint64 lateAnswerUntilMs_ = 0;
};

} // namespace kv
