#include "picture/chunked_write.h"

#include "link/line_session.h"

namespace kv {

namespace {
constexpr int kSettleBeforeMs = 2;
constexpr int kGapMs = 1;
} // namespace

ChunkedWrite SendInChunks(LineSession& session, const QByteArray& bytes, int chunkSize, const ChunkProgress& progress)
{
    const qsizetype chunk = qMax(chunkSize, 1);
    const auto reached = [&](qint64 written) { return !progress || progress(written); };
    session.pause(kSettleBeforeMs);
    qsizetype start = 0;
    while (bytes.size() - start > chunk) {
        if (!session.write(bytes.mid(start, chunk)))
            return ChunkedWrite::Cancelled;
        session.pause(kGapMs);
        start += chunk;
        if (!reached(start))
            return ChunkedWrite::Cancelled;
    }
    if (start < bytes.size())
        session.put(bytes.mid(start));
    session.pause(kGapMs);
    reached(bytes.size());
    return ChunkedWrite::Complete;
}

} // namespace kv
