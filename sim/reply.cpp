#include "sim/reply.h"

namespace kv::sim {

Reply CollideReplies(const QList<Reply>& replies)
{
    Reply line;
    for (const Reply& reply : replies) {
        for (qsizetype p = 0; p < reply.parts.size(); ++p) {
            if (line.parts.size() <= p)
                line.parts.append(QByteArray());
            QByteArray& merged = line.parts[p];
            const QByteArray& part = reply.parts.at(p);
            if (merged.size() < part.size())
                merged.append(QByteArray(part.size() - merged.size(), '\xFF'));
            for (qsizetype i = 0; i < part.size(); ++i)
                merged[i] = static_cast<char>(merged.at(i) & part.at(i));
        }
    }
    return line;
}

} // namespace kv::sim
