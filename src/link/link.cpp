#include "link/link.h"

#include "base/prompter.h"
#include "link/line_time.h"
#include "link/network_address.h"
#include "link/port_map.h"

#include <QDateTime>

namespace kv {

namespace {
// How long the line is given, after the last byte's own time, before the port closes.
constexpr qint64 kLineSettleMs = 10;
// How often a wait looks at the operator's cancel.
constexpr qint64 kCancelCheckMs = 250;
// The longest a unit's answer is awaited after its wait gave up, before the port closes.
constexpr qint64 kLateAnswerCapMs = 2000;

// The shortest sleep between two looks at a reply that is on its way.
constexpr qint64 kShortestLookUs = 100;


// A drain may take the line time of what is pending, three times over, plus two
// seconds; past that the port is stalled or gone.
qint64 drainLimitMs(qint64 pending, int baud)
{
    return 2000 + 3 * LineMs(pending, baud);
}

// The longest a reply may take: its silence time-out twice over (the unit's turnaround
// and one pause), a second, and the line time of its bytes with a quarter more for a
// unit that leaves small gaps between them. A unit that keeps a wait going past that,
// trickling bytes, will not finish the reply; the bound follows the line, so a long
// reply that trickles is given up within its own line time and a little.
qint64 replyBoundMs(qint64 bytes, qint64 silenceMs, int baud)
{
    const qint64 line = LineMs(bytes, baud);
    return 2 * silenceMs + 1000 + line + line / 4;
}

} // namespace

Link::Link(SerialPortFactory factory, Clock& clock)
    : factory_(std::move(factory)), port_(factory_()), clock_(clock)
{
}

Link::~Link()
{
    closePort();
}

PortDevice Link::device() const
{
    return deviceSource_ ? deviceSource_() : PortDevice{QString(), PortChoiceText(0)};
}

void Link::ensurePortOpen()
{
    if (port_->isOpen())
        return;
    const QString path = device().path;
    if (path.isEmpty())
        return;
    port_->open(path, lineBaud_);
    // A server that should have taken the rate but would not: the operator learns why
    // the line runs at the server's own rate.
    if (!port_->setsRate() && !IsRawTcpAddress(path))
        logTraffic(false, {}, ReplyStatus::Complete, -1, {}, CommErrorText(comm::kComPortRefused, device().name));
}

bool Link::setsRate() const
{
    return port_->isOpen() ? port_->setsRate() : !IsRawTcpAddress(device().path);
}

void Link::setCancelFlag(const CancelFlag* flag)
{
    cancel_ = flag;
    port_->setCancelFlag(flag);
}

void Link::closePort()
{
    if (!port_->isOpen())
        return;
    letLineSettle();
    port_->close();
}

bool Link::changeRateInPlace(int baud)
{
    if (!port_->isOpen())
        return false;
    letLineSettle();
    if (!port_->changeRate(baud))
        return false;
    lineBaud_ = baud;
    return true;
}

void Link::letLineSettle()
{
    try {
        waitOutLateAnswer();
    } catch (const CommError&) {
        // A port that fails now has nothing left to hand over; it closes all the same.
    }
    // The driver may report an empty buffer while the last bytes are still in the
    // adapter's FIFO; closing or changing the rate then would cut them off.
    const qint64 wait = lineBusyUntilMs_ + kLineSettleMs - clock_.nowMs();
    if (wait > 0)
        clock_.sleepMs(static_cast<int>(wait));
}

bool Link::isOpen() const
{
    return port_->isOpen();
}

void Link::write(const QByteArray& bytes)
{
    // Whatever arrived before this frame answers nothing we are about to ask. It is
    // dropped here rather than when the reply wait starts: a quick unit's reply may
    // already be arriving by then.
    port_->discardInput();
    port_->write(bytes);
    lineBusyUntilMs_ = qMax(lineBusyUntilMs_, clock_.nowMs()) + LineMs(bytes.size(), lineBaud_);
    logTraffic(true, bytes);
}

bool Link::cancelRequested() const
{
    return cancel_ && cancel_->requested();
}

Reply Link::expectLateAnswer(Reply reply, int timeoutMs)
{
    if (reply.status == ReplyStatus::TimedOut || reply.status == ReplyStatus::Overflow
        || reply.status == ReplyStatus::Malformed)
        lateAnswerUntilMs_ = clock_.nowMs() + qBound<qint64>(0, qint64(timeoutMs), kLateAnswerCapMs);
    return reply;
}

void Link::waitOutLateAnswer()
{
    for (qint64 now = clock_.nowMs(); now < lateAnswerUntilMs_ && !cancelRequested(); now = clock_.nowMs()) {
        port_->waitForInput(static_cast<int>(qMin(lateAnswerUntilMs_ - now, kCancelCheckMs)));
        port_->discardInput();
    }
    lateAnswerUntilMs_ = 0;
}

bool Link::drainOutput()
{
    qint64 pending = port_->pendingOutput();
    if (pending <= 0)
        return true;
    const qint64 start = clock_.nowMs();
    const qint64 limit = drainLimitMs(pending, lineBaud_);
    while (pending > 0) {
        if (cancelRequested())
            return false;
        const qint64 elapsed = clock_.nowMs() - start;
        if (elapsed > limit) {
            closePort();
            throw CommError{comm::kDrainTimeout};
        }
        port_->waitForOutput(static_cast<int>(qMin(limit - elapsed + 1, kCancelCheckMs)));
        pending = port_->pendingOutput();
    }
    return true;
}

Reply Link::waitReply(int n, int timeoutMs, const WaitProgress& progress, const ReplyReading& reading)
{
    return expectLateAnswer(collectReply(qMax(n, 0), timeoutMs, {}, 0, progress, reading), timeoutMs);
}

Reply Link::waitTwoPartReply(int headBytes, int headTimeoutMs,
                             const std::function<int(const QByteArray& head)>& restLength, int restTimeoutMs)
{
    return expectLateAnswer(collectReply(qMax(headBytes, 0), headTimeoutMs, restLength, restTimeoutMs, {}, {}),
                            qMax(headTimeoutMs, restTimeoutMs));
}

Reply Link::collectReply(int headBytes, int headTimeoutMs, const std::function<int(const QByteArray& head)>& restLength,
                         int restTimeoutMs, const WaitProgress& progress, const ReplyReading& reading)
{
    Reply reply;
    const qint64 start = clock_.nowMs();
    qint64 lastByteAt = start;
    qint64 expected = restLength ? -1 : headBytes; // the whole length, once known
    qint64 timeoutMs = headTimeoutMs;
    qint64 boundMs = replyBoundMs(headBytes, headTimeoutMs, lineBaud_);
    auto finish = [&](ReplyStatus status) {
        if (status != ReplyStatus::Complete)
            reply.bytes += port_->readInput();
        port_->discardInput();
        reply.status = status;
        // A wait that got nothing is logged as well: the operator sees it timed out.
        // What the operation makes of a reply is said of a whole reply only; a short or
        // missing one has nothing to read.
        if (!reply.bytes.isEmpty() || status != ReplyStatus::Complete)
            logTraffic(false, reply.bytes, status, int(expected),
                       reading && status == ReplyStatus::Complete ? reading(reply) : QString());
        return reply;
    };
    for (;;) {
        bool arrived = false;
        if (port_->inputCount() > 0) {
            reply.bytes += port_->readInput();
            // The time-out bounds the silence, not the whole reply: every new byte
            // starts it again.
            lastByteAt = clock_.nowMs();
            arrived = true;
        }
        if (expected < 0 && reply.bytes.size() >= headBytes) {
            const int rest = restLength(reply.bytes.left(headBytes));
            if (rest < 0)
                return finish(ReplyStatus::Malformed);
            expected = headBytes + qint64(rest);
            timeoutMs = restTimeoutMs;
            boundMs = replyBoundMs(expected, qint64(headTimeoutMs) + restTimeoutMs, lineBaud_);
        }
        // Bytes past the reply end the wait at once; they are never collected without
        // bound.
        if (expected >= 0 && reply.bytes.size() > expected)
            return finish(ReplyStatus::Overflow);
        if (expected >= 0 && reply.bytes.size() == expected)
            return finish(ReplyStatus::Complete);
        if (cancelRequested())
            return finish(ReplyStatus::Cancelled);
        const qint64 now = clock_.nowMs();
        const qint64 silent = now - lastByteAt;
        if (silent > timeoutMs || now - start > boundMs)
            return finish(ReplyStatus::TimedOut);
        if (progress)
            progress(now - start);
        const qint64 slice = qMin(qMin(timeoutMs - silent, boundMs - (now - start)) + 1, kCancelCheckMs);
        if (arrived) {
            // The rest of a reply cannot come faster than the line carries it: sleep
            // its line time in one go instead of waking for each byte, to the
            // microsecond, since a reply per frame makes a rounded sleep add up.
            const qint64 owed = (expected >= 0 ? expected : headBytes) - reply.bytes.size();
            clock_.sleepUs(qMin(slice * 1000, qMax<qint64>(kShortestLookUs, LineUs(owed, lineBaud_))));
        } else {
            port_->waitForInput(static_cast<int>(slice));
        }
    }
}

void Link::logTraffic(bool sent, const QByteArray& bytes, ReplyStatus status, int awaited, const QString& reading,
                      const QString& notice)
{
    if (observer_)
        observer_->trafficLogged(
            {QDateTime::currentMSecsSinceEpoch(), sent, bytes, lineBaud_, status, awaited, reading, notice});
}

} // namespace kv
