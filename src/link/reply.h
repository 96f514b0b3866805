#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace kv {

// How a reply wait ended.
enum class ReplyStatus {
    Complete,  // exactly the bytes awaited
    TimedOut,  // silence past the time-out, or the wait's overall bound passed
    Overflow,  // more bytes came than were awaited
    Malformed, // the head of a two-part reply gives no usable length
    Cancelled, // the operator cancelled the running operation
};

// What a reply wait brings back: the bytes that came (all of them once complete) and
// whether they are the reply.
struct Reply {
    QByteArray bytes;
    ReplyStatus status = ReplyStatus::TimedOut;

    bool ok() const { return status == ReplyStatus::Complete; }
    bool cancelled() const { return status == ReplyStatus::Cancelled; }
};

// What an operation makes of a reply, in a few words for the traffic log ("设置成功");
// empty when it has nothing to add.
using ReplyReading = std::function<QString(const Reply&)>;

// The reply text shown for a reply that did not come.
inline const QString kReplyErr = QStringLiteral("Err");

// The unit's one-byte answer 88: it took what was written.
bool IsAcknowledgement(const Reply& reply);

// A reply as the operator sees it: upper-case hex, two digits per byte ("050A"), or
// "Err" when it did not come.
QString ReplyText(const Reply& reply);

} // namespace kv
