#pragma once

#include <QFile>
#include <QString>

namespace kv::sim {

// The simulator's traffic log: one line per frame received and per reply written,
// each with the wall-clock time, flushed at once so a test can read it any time.
class TrafficLog {
public:
    bool open(const QString& path, QString& error);
    bool isOpen() const { return file_.isOpen(); }
    void write(const QString& line);

private:
    QFile file_;
    // Local time's offset from UTC, taken when the log opens: asking for the local
    // time at every line makes the C library look at the time zone file each time,
    // and a paced reply writes a line per byte. A change of daylight saving time
    // during a run is not followed.
    qint64 utcOffsetMs_ = 0;
};

} // namespace kv::sim
