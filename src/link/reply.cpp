#include "link/reply.h"

#include "link/frames.h"

namespace kv {

QString ReplyText(const Reply& reply)
{
    return reply.ok() ? HexText(reply.bytes) : kReplyErr;
}

} // namespace kv
