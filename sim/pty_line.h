#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace kv::sim {

// The simulated serial line: a pseudo-terminal whose terminal side the tool opens
// through a symbolic link. The simulator keeps the terminal side open itself, so the
// line survives the tool closing its port between operations.
//
// The rate the tool set is read from the terminal side's settings. The terminal side
// rests at rate 0 while the tool's port is closed (the tool puts back what it found),
// so bytes that are read only after the tool has closed again are taken at the last
// rate seen while it was open. Packet mode with external processing makes every
// change of settings wake the simulator, so it sees each new rate as it is set.
class PtyLine {
public:
    PtyLine() = default;
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;
    ~PtyLine();

    bool open(const QString& linkPath, QString& error);
    int masterFd() const { return master_; }
    QString terminalName() const { return terminalName_; }

    // Reads everything the tool has written so far (non-blocking), handing each run
    // of bytes over with the rate it travelled at. Returns false when the line failed.
    bool readInput(const std::function<void(const QByteArray&, int)>& take);
    // The rate the tool's bytes travel at, 0 when no rate has been seen yet.
    int lineBaud();
    // True for a short while after the tool changed the terminal settings: the tool
    // sets them several times in a burst when it opens its port, so the simulator
    // looks again soon to catch the last of them.
    bool settingsSettling() const { return settlingReads_ > 0; }
    void lookAgain();
    // Writes what it can without blocking; returns the number of bytes taken, -1 on
    // failure.
    qint64 write(const QByteArray& bytes);

private:
    int master_ = -1;
    int terminal_ = -1;
    QString linkPath_;
    QString terminalName_;
    int lastBaud_ = 0;
    int settlingReads_ = 0;
};

// The rate a terminal speed code stands for, 0 for B0 or an unknown code.
int BaudOfSpeedCode(unsigned code);

} // namespace kv::sim
