#pragma once

// The writer of long matrices. The line is fed one chunk at a time and drained after
// each, so the port's buffer never holds more than a chunk, progress can be shown in
// bytes, and the operator can stop between chunks.

#include <QByteArray>
#include <functional>

namespace kv {

class LineSession;

constexpr int kPictureChunkBytes = 1024;

enum class ChunkedWrite { Complete, Cancelled };

// Called after each chunk with the bytes written so far; false stops the write.
using ChunkProgress = std::function<bool(qint64 bytesWritten)>;

// Writes bytes in chunks of chunkSize: a message of at most one chunk goes in one write;
// a longer one in whole chunks, each drained and followed by a 1 ms gap, then the rest
// (1 to chunkSize bytes) in one write, left for the caller to drain. Cancelled when the
// progress callback or the operator's cancel stops it between chunks. A port fault
// propagates as CommError.
ChunkedWrite SendInChunks(LineSession& session, const QByteArray& bytes, int chunkSize = kPictureChunkBytes,
                          const ChunkProgress& progress = {});

} // namespace kv
