// kvctl decode: the frames of a byte stream, a line each, for the engineer who reads a
// capture of the line (an RS-485 sniffer's, or kvctl's own --log). Needs no port.
#include "cli_prompter.h"
#include "command_options.h"
#include "commands.h"

#include "app/bounded_read.h"
#include "decode/frame_meaning.h"
#include "link/traffic.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

namespace kv::cli {

namespace {

// A capture of a long session: a whole font written and read back is well under this.
constexpr qint64 kLongestCapture = 64 * 1024 * 1024;

// Hex text as engineers write it: pairs of digits, "0x" prefixes, spaces, line breaks
// and commas. Nothing when the text holds anything else or an odd digit.
std::optional<QByteArray> hexTextBytes(QString text)
{
    static const QRegularExpression prefix(QStringLiteral("0[xX]([0-9A-Fa-f])"));
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    static const QRegularExpression digits(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    text.replace(prefix, QStringLiteral("\\1"));
    QString joined;
    for (const QString& word : text.split(separators, Qt::SkipEmptyParts)) {
        // "0x5" is one byte, written short.
        joined += word.size() == 1 ? QLatin1Char('0') + word : word;
    }
    if (joined.isEmpty() || !digits.match(joined).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(joined.toLatin1());
}

void printStream(const QByteArray& bytes)
{
    FrameParser parser;
    QList<ParseEvent> events = parser.feed(bytes);
    events += parser.flush();
    for (const ParseEvent& event : events)
        PrintOut(QString::fromLatin1(event.bytes.toHex(' ').toUpper()) + QLatin1Char('\t') + EventMeaning(event));
}

// The rows of a kvctl --log capture, or nothing when the text is none. Lines that are
// not rows (a note an engineer added) are skipped.
std::optional<QList<TrafficRow>> captureRows(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    QList<TrafficRow> rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString trimmed = line;
        if (trimmed.endsWith(QLatin1Char('\r')))
            trimmed.chop(1);
        if (const auto row = ParseTrafficLine(trimmed))
            rows.append(*row);
    }
    if (rows.isEmpty())
        return std::nullopt;
    return rows;
}

// The written stream is decoded again, write by write; the rows read keep what the
// reply wait made of them, which the bytes alone cannot tell.
void printCapture(const QList<TrafficRow>& rows)
{
    TrafficDecoder decoder;
    for (const TrafficRow& row : rows) {
        if (!row.sent) {
            PrintOut(TrafficLine(row));
            continue;
        }
        for (const TrafficRow& decoded : decoder.rows({row.msSinceEpoch, true, row.bytes, row.baud}))
            PrintOut(TrafficLine(decoded));
    }
}

} // namespace

int RunDecode(const QStringList& args)
{
    const QString usage = QStringLiteral("decode HEX... | decode --file F   (hex text, raw bytes or a kvctl --log capture)");
    CommandOptions options({}, {QStringLiteral("file")});
    if (!options.parse(args))
        return PrintUsage(usage);
    const bool fromFile = options.isSet(QStringLiteral("file"));
    if (fromFile == !options.positional().isEmpty())
        return PrintUsage(usage);
    if (!fromFile) {
        const auto bytes = hexTextBytes(options.positional().join(QLatin1Char(' ')));
        if (!bytes)
            return PrintUsage(usage);
        printStream(*bytes);
        return 0;
    }
    const QString path = options.value(QStringLiteral("file"));
    const BoundedRead read = ReadWholeFile(path, kLongestCapture);
    if (!read.ok()) {
        PrintErr(ReadFailureText(path, read, kLongestCapture));
        return 1;
    }
    if (const auto rows = captureRows(read.bytes))
        printCapture(*rows);
    else if (const auto bytes = hexTextBytes(QString::fromLatin1(read.bytes)))
        printStream(*bytes);
    else
        printStream(read.bytes);
    return 0;
}

} // namespace kv::cli
