#include "kvctl_process.h"

#include <QProcess>

namespace kv::test {

KvctlRun RunKvctl(const QStringList& args, int boundMs)
{
    QProcess process;
    process.setProgram(QStringLiteral(KVCTL_PATH));
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
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
