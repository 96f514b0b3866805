#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// One write to or read from the line, for the traffic log.
struct TrafficEntry {
    qint64 msSinceEpoch;
    bool sent;
    QByteArray bytes;
    int baud; // the line rate in force: bytes at another rate than the unit's are noise to it
};

// "2026-12-08 09:30:01.250 9600 发送 5A 5B FF 17 77 04" (local time).
QString TrafficLine(const TrafficEntry& entry);

} // namespace kv
