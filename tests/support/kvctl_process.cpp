#include "kvctl_process.h"

#include <sys/resource.h>

namespace kv::test {

namespace {
// AddressSanitizer's shadow memory alone takes more address space than any cap.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kMemoryCaps = false;
#else
constexpr bool kMemoryCaps = true;
#endif
} // namespace

std::unique_ptr<QProcess> StartKvctl(const QStringList& args, qint64 memoryCap)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QStringLiteral(KVCTL_PATH));
    process->setArguments(args);
    process->setStandardInputFile(QProcess::nullDevice());
    if (kMemoryCaps && memoryCap > 0) {
        process->setChildProcessModifier([memoryCap] {
            const rlimit cap{rlim_t(memoryCap), rlim_t(memoryCap)};
            setrlimit(RLIMIT_AS, &cap);
        });
    }
    process->start();
    return process;
}

KvctlRun RunKvctl(const QStringList& args, int boundMs, qint64 memoryCap)
{
    const std::unique_ptr<QProcess> started = StartKvctl(args, memoryCap);
    QProcess& process = *started;
    KvctlRun run;
    if (!process.waitForFinished(boundMs)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("kvctl did not finish");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace kv::test
