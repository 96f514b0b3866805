#include "picture/chunked_write.h"

#include "link/link.h"

namespace kv {

namespace {
constexpr int kSettleBeforeMs = 2;
constexpr int kGapMs = 1;
} // namespace

ChunkedWrite SendInChunks(Link& link, const QByteArray& bytes, int chunkSize, const ChunkProgress& progress)
{
    const qsizetype chunk = qMax(chunkSize, 1);
    const auto reached = [&](qint64 written) { return !progress || progress(written); };
    link.clock().sleepMs(kSettleBeforeMs);
    qsizetype start = 0;
    while (bytes.size() - start > chunk) {
        link.write(bytes.mid(start, chunk));
        if (!link.drainOutput())
            return ChunkedWrite::Cancelled;
        link.clock().sleepMs(kGapMs);
        start += chunk;
        if (!reached(start))
            return ChunkedWrite::Cancelled;
    }
    if (start < bytes.size())
        link.write(bytes.mid(start));
    link.clock().sleepMs(kGapMs);
    reached(bytes.size());
    return ChunkedWrite::Complete;
}

} // namespace kv
