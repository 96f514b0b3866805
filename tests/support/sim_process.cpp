#include "sim_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

namespace kv::test {

namespace {
constexpr int kStartTimeoutMs = 10000;
constexpr int kPollMs = 10;
}

SimProcess::SimProcess(const QStringList& extraArgs)
{
    QStringList args{QStringLiteral("--link"), linkPath(), QStringLiteral("--state"), statePath(),
                     QStringLiteral("--log"), logPath()};
    args += extraArgs;
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral(KVSIM_PATH), args);
    if (!process_.waitForStarted(kStartTimeoutMs))
        return;
    waitFor([this] { return QFileInfo::exists(linkPath()) || process_.state() == QProcess::NotRunning; },
            kStartTimeoutMs);
}

SimProcess::~SimProcess()
{
    stop();
}

bool SimProcess::isRunning() const
{
    return process_.state() == QProcess::Running && QFileInfo::exists(linkPath());
}

QString SimProcess::stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    errors_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return errors_;
}

QJsonObject SimProcess::state() const
{
    QFile file(statePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject SimProcess::unitState(int address) const
{
    const QJsonArray units = state().value(QStringLiteral("units")).toArray();
    for (const QJsonValue& unit : units) {
        if (unit.toObject().value(QStringLiteral("address")).toInt() == address)
            return unit.toObject();
    }
    return {};
}

QString SimProcess::logText() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool SimProcess::waitFor(const std::function<bool()>& predicate, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (predicate())
            return true;
        if (deadline.hasExpired())
            return predicate();
        QThread::msleep(kPollMs);
    }
}

bool SimProcess::waitForLog(const QString& text, int timeoutMs) const
{
    return waitFor([&] { return logText().contains(text); }, timeoutMs);
}

} // namespace kv::test
