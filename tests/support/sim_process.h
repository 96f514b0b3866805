#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace kv::test {

// Runs kvsim in a fresh temporary folder with its link, state file and log there,
// for end-to-end tests. Extra arguments (--unit, --fault, --pace ...) are passed on.
// The constructor returns once the link exists (or after a bounded wait; check
// isRunning()). The destructor stops kvsim with SIGTERM.
class SimProcess {
public:
    explicit SimProcess(const QStringList& extraArgs = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool isRunning() const;
    QString folder() const { return dir_.path(); }
    QString linkPath() const { return dir_.filePath(QStringLiteral("line")); }
    QString statePath() const { return dir_.filePath(QStringLiteral("state.json")); }
    QString logPath() const { return dir_.filePath(QStringLiteral("kvsim.log")); }

    // The state file as it is now (re-read on each call); empty when unreadable.
    QJsonObject state() const;
    // The state of the unit that now has this address; empty when there is none.
    QJsonObject unitState(int address) const;
    QString logText() const;

    // Polls until the predicate holds or timeoutMs have passed; returns its last value.
    bool waitFor(const std::function<bool()>& predicate, int timeoutMs = 5000) const;
    bool waitForLog(const QString& text, int timeoutMs = 5000) const;

    // Stops kvsim (SIGTERM) and returns what it wrote to standard error.
    QString stop();

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString errors_;
};

} // namespace kv::test
