#include "link/traffic.h"

#include "link/frames.h"

#include <QDateTime>

namespace kv {

QString TrafficLine(const TrafficEntry& entry)
{
    const QString when = QDateTime::fromMSecsSinceEpoch(entry.msSinceEpoch)
                             .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    const QString direction = entry.sent ? QStringLiteral("发送") : QStringLiteral("接收");
    return when + QLatin1Char(' ') + QString::number(entry.baud) + QLatin1Char(' ') + direction + QLatin1Char(' ') + SpacedHexText(entry.bytes).trimmed();
}

} // namespace kv
