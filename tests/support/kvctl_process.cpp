#include "kvctl_process.h"

namespace kv::test {

std::unique_ptr<QProcess> StartKvctl(const QStringList& args)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QStringLiteral(KVCTL_PATH));
    process->setArguments(args);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    return process;
}

KvctlRun RunKvctl(const QStringList& args, int boundMs)
{
    const std::unique_ptr<QProcess> started = StartKvctl(args);
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
