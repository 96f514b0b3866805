#pragma once

#include "decode/frame_parser.h"
#include "link/reply.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace kv {

// One write to or read from the line, for the traffic log.
struct TrafficEntry {
    qint64 msSinceEpoch;
    bool sent;
    QByteArray bytes;
    int baud; // the line rate in force: bytes at another rate than the unit's are noise to it
    // A read: how the reply wait ended and how many bytes it awaited (-1 while the head
    // of a two-part reply had not told).
    ReplyStatus status = ReplyStatus::Complete;
    int awaited = -1;
    QString reading = {}; // what the waiting operation made of it, when it says
    // Something the port has to say about the line rather than bytes on it (a device
    // server that would not take the rate); a row of its own.
    QString notice = {};
};

// One row of the traffic log: a frame or a piece of one, junk, or a reply, with what it
// means to the operator.
struct TrafficRow {
    qint64 msSinceEpoch = 0;
    bool sent = true;
    int baud = 0;
    QByteArray bytes;
    QString meaning;
};

// Turns the writes and reads of the line into rows. The written stream is split into
// frames, a row each; a frame spread over several writes (a picture body written in
// chunks) gives a row per write, the later ones marked as its continuation. A read is
// one row saying what the reply wait made of it.
class TrafficDecoder {
public:
    QList<TrafficRow> rows(const TrafficEntry& entry);

private:
    FrameParser parser_;
    // A frame still open when the line has been quiet past this time will not be
    // finished (its operation was cancelled or failed): the next write starts afresh.
    qint64 quietFromMs_ = 0;
};

// "应答 完整 1/1 字节：设置成功", "应答 超时 0/3 字节": how the reply wait ended, and
// what the operation made of the reply.
QString ReplyMeaning(const TrafficEntry& read);

// A row as one line of the log file, its columns separated by tabs:
// "2026-12-08 09:30:01.250	9600	发送	5A 5B FF 17 77 04	0x17 改波特率 波特率 19200 → 全部".
QString TrafficLine(const TrafficRow& row);
// Reads such a line back; nothing when the line is not one.
std::optional<TrafficRow> ParseTrafficLine(const QString& line);

} // namespace kv
