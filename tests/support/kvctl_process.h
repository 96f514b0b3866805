#pragma once

#include <QString>
#include <QStringList>

namespace kv::test {

// One run of the kvctl program: its exit status and what it printed.
struct KvctlRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs kvctl with the arguments (no standard input, a bound of boundMs).
KvctlRun RunKvctl(const QStringList& args, int boundMs = 60000);

} // namespace kv::test
