#pragma once

#include "link/link.h"

#include <QByteArray>
#include <QList>
#include <functional>

namespace kv {

// A frame that asks the unit something and the reply it waits for.
struct Request {
    QByteArray frame;
    int replyBytes = 0;
    int timeoutMs = 0;
    Link::WaitProgress progress = {};
    ReplyReading reading = {};
};

// The line during one operation on the port: every byte an operation sends or receives,
// and every close or reopen of the port it needs on the way, goes through here. The
// port bracket (RunOnPort) opens it and closes it again; a port fault is thrown as
// CommError for the bracket to report.
class LineSession {
public:
    explicit LineSession(Link& link) : link_(link) {}
    LineSession(const LineSession&) = delete;
    LineSession& operator=(const LineSession&) = delete;

    // Writes the frame and waits for it to leave the port. False when the operator
    // cancelled during that wait: the caller writes nothing more and stops.
    bool write(const QByteArray& frame);
    // The frames in order, each drained as by write(frame); on a cancel the frames
    // after the one being drained are not written.
    bool write(const QList<QByteArray>& frames);
    // Puts bytes on the line without waiting for them to leave, for writes that go out
    // back to back before one drain, and for a reply awaited as the frame goes out.
    void put(const QByteArray& bytes);
    // Waits until what was put on the line has left the port; false on the operator's
    // cancel.
    bool drain();

    // Writes the frame, waits for it to leave, then waits for the reply. A cancel during
    // the drain ends the reply wait at once, as cancelled.
    Reply request(const Request& request);
    // Writes the frame and starts the reply wait at once: the reply's time-out counts
    // from the write.
    Reply requestAtOnce(const Request& request);
    // The reply wait alone, after a put.
    Reply awaitReply(int replyBytes, int timeoutMs, const Link::WaitProgress& progress = {});
    // Writes the frame, waits for it to leave, then waits for a reply in two parts (see
    // Link::waitTwoPartReply).
    Reply requestTwoPart(const QByteArray& frame, int headBytes, int headTimeoutMs,
                         const std::function<int(const QByteArray& head)>& restLength, int restTimeoutMs);

    // The line goes on at another rate: the port closes (the last bytes leave first),
    // the rate changes, and after a moment the port opens again at the new rate; a port
    // that can change the rate while open (a device server over RFC 2217) does so
    // instead. On a line whose rate is not ours to set (Link::setsRate) nothing
    // changes: CommError.
    void changeRate(int baud);
    // Closes the port before the operation ends, so that it is free while the operator
    // reads the outcome or the records are written.
    void closeLine();
    // Opens the port again after closeLine, for a frame that follows; nothing when it is
    // open.
    void reopenLine();

    // A pause on the line's clock.
    void pause(int ms);

    // Shows a frame just sent in the sent-data pane: "你刚刚发送的数据：" and its bytes.
    void echo(const QByteArray& frame);

private:
    Link& link_;
};

// A frame just sent as the sent-data pane shows it: its bytes in hex, each followed by a
// space.
QString Btyes2String(const QByteArray& frame);

} // namespace kv
