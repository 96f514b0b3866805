#include "link/traffic.h"

#include "decode/frame_meaning.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

namespace kv {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
const QString kSent = QStringLiteral("发送");
const QString kReceived = QStringLiteral("接收");

QString spacedHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

TrafficRow rowOf(const TrafficEntry& entry, const QByteArray& bytes, const QString& meaning)
{
    return {entry.msSinceEpoch, entry.sent, entry.baud, bytes, meaning};
}

} // namespace

QString ReplyMeaning(ReplyStatus status, qsizetype received, int awaited)
{
    const QString counted = awaited < 0 ? QStringLiteral("%1 字节").arg(received)
                                        : QStringLiteral("%1/%2 字节").arg(received).arg(awaited);
    switch (status) {
    case ReplyStatus::Complete: return QStringLiteral("应答 完整 ") + counted;
    case ReplyStatus::TimedOut: return QStringLiteral("应答 超时 ") + counted;
    case ReplyStatus::Overflow: return QStringLiteral("应答 字节过多 ") + counted;
    case ReplyStatus::Malformed: return QStringLiteral("应答 格式错误 ") + counted;
    case ReplyStatus::Cancelled: return QStringLiteral("应答 已取消 ") + counted;
    }
    return {};
}

QList<TrafficRow> TrafficDecoder::rows(const TrafficEntry& entry)
{
    if (!entry.sent)
        return {rowOf(entry, entry.bytes, ReplyMeaning(entry.status, entry.bytes.size(), entry.awaited))};

    // The optional sum byte of a picture always comes as a write of its own.
    if (parser_.awaitsPictureSum() && entry.bytes.size() != 1)
        parser_.forgetOptionalSum();
    // The first bytes of the events may belong to a frame begun in earlier writes.
    qsizetype carried = parser_.pending().size();
    QList<TrafficRow> out;
    for (const ParseEvent& event : parser_.feed(entry.bytes)) {
        const qsizetype earlier = qMin(carried, event.bytes.size());
        carried -= earlier;
        QString meaning = EventMeaning(event);
        if (earlier > 0)
            meaning = QStringLiteral("续 ") + meaning + QStringLiteral(" (共 %1 字节)").arg(event.bytes.size());
        out.append(rowOf(entry, event.bytes.mid(earlier), meaning));
    }
    if (parser_.midFrame()) {
        const QByteArray& pending = parser_.pending();
        const QString prefix = carried > 0 ? QStringLiteral("续 ") : QString();
        out.append(rowOf(entry, pending.mid(carried),
                         prefix + FrameMeaning(pending) + QStringLiteral(" (未完, 已 %1 字节)").arg(pending.size())));
    }
    return out;
}

QString TrafficLine(const TrafficRow& row)
{
    return QStringList{QDateTime::fromMSecsSinceEpoch(row.msSinceEpoch).toString(kTimeFormat),
                       QString::number(row.baud), row.sent ? kSent : kReceived, spacedHex(row.bytes), row.meaning}
        .join(QLatin1Char('\t'));
}

std::optional<TrafficRow> ParseTrafficLine(const QString& line)
{
    const QStringList columns = line.split(QLatin1Char('\t'));
    if (columns.size() != 5)
        return std::nullopt;
    const QDateTime when = QDateTime::fromString(columns[0], kTimeFormat);
    bool baudOk = false;
    const int baud = columns[1].toInt(&baudOk);
    static const QRegularExpression hex(QStringLiteral("^([0-9A-F]{2}( [0-9A-F]{2})*)?$"));
    if (!when.isValid() || !baudOk || (columns[2] != kSent && columns[2] != kReceived)
        || !hex.match(columns[3]).hasMatch())
        return std::nullopt;
    return TrafficRow{when.toMSecsSinceEpoch(), columns[2] == kSent, baud,
                      QByteArray::fromHex(columns[3].toLatin1()), columns[4]};
}

} // namespace kv
