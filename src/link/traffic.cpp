#include "link/traffic.h"

#include "decode/frame_meaning.h"
#include "decode/hex_text.h"
#include "text/operator_text.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

namespace kv {

namespace {

// A frame's writes follow each other once the one before has drained; a second more
// than that is no frame's pause.
constexpr qint64 kQuietMs = 1000;

// The columns other than the meaning are read back and stay the same in every language.
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
const QString kSent = QStringLiteral("发送");
const QString kReceived = QStringLiteral("接收");

TrafficRow rowOf(const TrafficEntry& entry, const QByteArray& bytes, const QString& meaning)
{
    return {entry.msSinceEpoch, entry.sent, entry.baud, bytes, meaning};
}

} // namespace

QString ReplyMeaning(const TrafficEntry& read)
{
    const qsizetype received = read.bytes.size();
    const QString counted = read.awaited < 0 ? Text::tr("%1 字节").arg(received)
                                             : Text::tr("%1/%2 字节").arg(received).arg(read.awaited);
    QString outcome;
    switch (read.status) {
    case ReplyStatus::Complete: outcome = Text::tr("完整"); break;
    case ReplyStatus::TimedOut: outcome = Text::tr("超时"); break;
    case ReplyStatus::Overflow: outcome = Text::tr("字节过多"); break;
    case ReplyStatus::Malformed: outcome = Text::tr("格式错误"); break;
    case ReplyStatus::Cancelled: outcome = Text::tr("已取消"); break;
    }
    return read.reading.isEmpty() ? Text::tr("应答 %1 %2").arg(outcome, counted)
                                  : Text::tr("应答 %1 %2：%3").arg(outcome, counted, read.reading);
}

QList<TrafficRow> TrafficDecoder::rows(const TrafficEntry& entry)
{
    if (!entry.notice.isEmpty())
        return {rowOf(entry, {}, entry.notice)};
    if (!entry.sent)
        return {rowOf(entry, entry.bytes, ReplyMeaning(entry))};

    // Its bytes are in rows already.
    if (parser_.midFrame() && entry.msSinceEpoch > quietFromMs_)
        parser_.flush();
    const qint64 lineMs = entry.baud > 0 ? entry.bytes.size() * 10 * 1000 / entry.baud : 0;
    quietFromMs_ = entry.msSinceEpoch + lineMs + kQuietMs;
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
            meaning = Text::tr("续 %1 (共 %2 字节)").arg(meaning, QString::number(event.bytes.size()));
        out.append(rowOf(entry, event.bytes.mid(earlier), meaning));
    }
    if (parser_.midFrame()) {
        const QByteArray& pending = parser_.pending();
        const QString meaning = carried > 0 ? Text::tr("续 %1").arg(FrameMeaning(pending)) : FrameMeaning(pending);
        out.append(rowOf(entry, pending.mid(carried),
                         Text::tr("%1 (未完, 已 %2 字节)").arg(meaning, QString::number(pending.size()))));
    }
    return out;
}

QString TrafficLine(const TrafficRow& row)
{
    return QStringList{QDateTime::fromMSecsSinceEpoch(row.msSinceEpoch).toString(kTimeFormat),
                       QString::number(row.baud), row.sent ? kSent : kReceived, SpacedHexPairs(row.bytes), row.meaning}
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
