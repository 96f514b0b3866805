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
};

// Bytes as upper-case hex pairs separated by spaces ("5A F7 00 01 AC").
QString SpacedHex(const QByteArray& bytes);

} // namespace kv::sim
