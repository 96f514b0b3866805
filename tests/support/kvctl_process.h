#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace kv::test {

// One run of the kvctl program: its exit status and what it printed.
struct KvctlRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs kvctl with the arguments (no standard input, a bound of boundMs).
KvctlRun RunKvctl(const QStringList& args, int boundMs = 60000);

// Starts kvctl with the arguments (no standard input) and returns at once, for a test
// that acts on it while it runs; the caller waits for it to finish.
std::unique_ptr<QProcess> StartKvctl(const QStringList& args);

} // namespace kv::test
