#include "sim/traffic_log.h"

#include <QDateTime>
#include <QTime>

namespace kv::sim {

bool TrafficLog::open(const QString& path, QString& error)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        error = QStringLiteral("cannot write log %1: %2").arg(path, file_.errorString());
        return false;
    }
    utcOffsetMs_ = qint64(QDateTime::currentDateTime().offsetFromUtc()) * 1000;
    return true;
}

void TrafficLog::write(const QString& line)
{
    if (!file_.isOpen())
        return;
    constexpr qint64 kDayMs = 86'400'000;
    const qint64 local = QDateTime::currentMSecsSinceEpoch() + utcOffsetMs_;
    const QTime time = QTime::fromMSecsSinceStartOfDay(int((local % kDayMs + kDayMs) % kDayMs));
    const QString stamped = time.toString(QStringLiteral("HH:mm:ss.zzz ")) + line + QLatin1Char('\n');
    file_.write(stamped.toUtf8());
    file_.flush();
}

} // namespace kv::sim
