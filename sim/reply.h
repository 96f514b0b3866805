#pragma once

#include <QByteArray>
#include <QList>

namespace kv::sim {

// A unit's answer to one frame: usually one part; the status request answers in two,
// the second sent only after the tool has taken the first.
struct Reply {
    QList<QByteArray> parts;
    bool empty() const { return parts.isEmpty(); }
};

// Several units answering at once drive the line together: a 0 bit from any of them
// wins over the idle 1, so the tool reads the AND of the bytes at each position, as
// long as the longest answer.
Reply CollideReplies(const QList<Reply>& replies);

} // namespace kv::sim
