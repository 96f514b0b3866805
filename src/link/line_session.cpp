#include "link/line_session.h"

#include "decode/hex_text.h"
#include "text/operator_text.h"

namespace kv {

namespace {
// The moment a port is given between closing at one rate and opening at the next.
constexpr int kRateChangeMs = 1;
} // namespace

bool LineSession::write(const QByteArray& frame)
{
    put(frame);
    return drain();
}

bool LineSession::write(const QList<QByteArray>& frames)
{
    for (const QByteArray& frame : frames) {
        if (!write(frame))
            return false;
    }
    return true;
}

void LineSession::put(const QByteArray& bytes)
{
    link_.write(bytes);
}

bool LineSession::drain()
{
    return link_.drainOutput();
}

Reply LineSession::request(const Request& request)
{
    // The reply wait looks at the cancel itself, so a cancelled drain ends it at once.
    write(request.frame);
    return link_.waitReply(request.replyBytes, request.timeoutMs, request.progress, request.reading);
}

Reply LineSession::requestAtOnce(const Request& request)
{
    put(request.frame);
    return link_.waitReply(request.replyBytes, request.timeoutMs, request.progress, request.reading);
}

Reply LineSession::awaitReply(int replyBytes, int timeoutMs, const Link::WaitProgress& progress)
{
    return link_.waitReply(replyBytes, timeoutMs, progress);
}

Reply LineSession::requestTwoPart(const QByteArray& frame, int headBytes, int headTimeoutMs,
                                  const std::function<int(const QByteArray& head)>& restLength, int restTimeoutMs)
{
    write(frame);
    return link_.waitTwoPartReply(headBytes, headTimeoutMs, restLength, restTimeoutMs);
}

void LineSession::changeRate(int baud)
{
    if (!link_.maySetRate(baud))
        throw CommError{comm::kRateFixed};
    if (link_.changeRateInPlace(baud))
        return;
    link_.closePort();
    link_.setLineBaud(baud);
    pause(kRateChangeMs);
    link_.ensurePortOpen();
}

void LineSession::closeLine()
{
    link_.closePort();
}

void LineSession::reopenLine()
{
    link_.ensurePortOpen();
}

void LineSession::pause(int ms)
{
    link_.clock().sleepMs(ms);
}

void LineSession::echo(const QByteArray& frame)
{
    if (LinkObserver* observer = link_.observer())
        observer->sentDataShown(Text::tr("你刚刚发送的数据：%1").arg(Btyes2String(frame)));
}

QString Btyes2String(const QByteArray& frame)
{
    return SpacedHexText(frame);
}

} // namespace kv
