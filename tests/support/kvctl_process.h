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

// The run with its texts trimmed of the final line end.
inline KvctlRun Trimmed(KvctlRun run)
{
    run.out = run.out.trimmed();
    run.err = run.err.trimmed();
    return run;
}

// Runs kvctl with the arguments (no standard input, a bound of boundMs). A memory cap
// (bytes of address space, 0 for none) makes a run that builds far more than it needs
// fail instead of swapping; it is left off under AddressSanitizer, whose shadow memory
// alone is larger.
KvctlRun RunKvctl(const QStringList& args, int boundMs = 60000, qint64 memoryCap = 0);

// Starts kvctl with the arguments (no standard input) and returns at once, for a test
// that acts on it while it runs; the caller waits for it to finish.
std::unique_ptr<QProcess> StartKvctl(const QStringList& args, qint64 memoryCap = 0);

} // namespace kv::test
