#include "link/reply.h"

#include "link/frames.h"

namespace kv {

namespace {
constexpr quint8 kAcknowledgement = 0x88;
} // namespace

bool IsAcknowledgement(const Reply& reply)
{
    return reply.ok() && reply.bytes.size() == 1 && quint8(reply.bytes.at(0)) == kAcknowledgement;
}

QString ReplyText(const Reply& reply)
{
    return reply.ok() ? HexText(reply.bytes) : kReplyErr;
}

} // namespace kv
