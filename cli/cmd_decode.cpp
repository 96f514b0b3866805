// kvctl decode: the frames of a byte stream, a line each, for the engineer who reads a
// capture of the line (an RS-485 sniffer's, or kvctl's own --log). Needs no port.
//
// A capture may be hours of traffic: the file is read in pieces and each line printed
// as its frame completes, so time grows with the capture and memory stays that of the
// longest frame.
#include "cli_prompter.h"
#include "command_options.h"
#include "commands.h"

#include "base/bounded_read.h"
#include "decode/frame_layout.h"
#include "decode/frame_meaning.h"
#include "decode/hex_text.h"
#include "link/traffic.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <functional>

namespace kv::cli {

namespace {

constexpr qint64 kPieceBytes = 64 * 1024;
// A log line holds a row's time, rate, direction, bytes (three characters each) and
// meaning; a line longer than a row of the longest frame is no row and is not kept.
constexpr qsizetype kLongestRowLine = 3 * kLongestFrame + 64 * 1024;

enum class CaptureKind { Log, HexText, Raw };

// Reads the file piece by piece; false when a read fails.
bool eachPiece(QFile& file, const std::function<void(const QByteArray&)>& use)
{
    if (!file.seek(0))
        return false;
    while (true) {
        const QByteArray piece = file.read(kPieceBytes);
        if (piece.isEmpty())
            return file.error() == QFileDevice::NoError;
        use(piece);
    }
}

// The lines of a text that comes in pieces, split at LF as the log writes them; a line
// too long to be a row is given empty.
class LineSplitter {
public:
    explicit LineSplitter(std::function<void(const QByteArray&)> line) : line_(std::move(line)) {}

    void read(const QByteArray& piece)
    {
        qsizetype from = 0;
        while (from < piece.size()) {
            const qsizetype end = piece.indexOf('\n', from);
            keep(piece.sliced(from, (end < 0 ? piece.size() : end) - from));
            if (end < 0)
                return;
            complete();
            from = end + 1;
        }
    }
    void finish() { complete(); }

private:
    void keep(QByteArrayView part)
    {
        if (overlong_)
            return;
        if (current_.size() + part.size() > kLongestRowLine) {
            overlong_ = true;
            current_.clear();
            return;
        }
        current_ += part;
    }
    void complete()
    {
        line_(current_);
        current_.clear();
        overlong_ = false;
    }

    std::function<void(const QByteArray&)> line_;
    QByteArray current_;
    bool overlong_ = false;
};

std::optional<TrafficRow> rowOf(const QByteArray& line)
{
    QString text = QString::fromUtf8(line);
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return ParseTrafficLine(text);
}

// A kvctl --log capture is UTF-8 text with at least one row (lines that are not rows
// are notes an engineer added); hex text is read as such; anything else is raw bytes.
std::optional<CaptureKind> kindOf(QFile& file)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool text = true;
    bool anyRow = false;
    LineSplitter lines([&](const QByteArray& line) { anyRow = anyRow || rowOf(line).has_value(); });
    HexTextReader hex;
    bool hexText = true;
    QByteArray unused;
    const bool read = eachPiece(file, [&](const QByteArray& piece) {
        if (text) {
            utf8(piece);
            text = !utf8.hasError();
            if (!anyRow)
                lines.read(piece);
        }
        if (hexText) {
            hexText = hex.read(QString::fromLatin1(piece), &unused);
            unused.clear();
        }
    });
    if (!read)
        return std::nullopt;
    lines.finish();
    if (text && anyRow)
        return CaptureKind::Log;
    return hexText && hex.finish(&unused) ? CaptureKind::HexText : CaptureKind::Raw;
}

void printEvents(const QList<ParseEvent>& events)
{
    for (const ParseEvent& event : events)
        PrintListed(QString::fromLatin1(event.bytes.toHex(' ').toUpper()) + QLatin1Char('\t') + EventMeaning(event));
}

// The stream as one frame parse, the frame still open at its end given up.
class StreamPrinter {
public:
    void read(const QByteArray& bytes) { printEvents(parser_.feedPart(bytes)); }
    void finish()
    {
        printEvents(parser_.feed(QByteArray()));
        printEvents(parser_.flush());
    }

private:
    FrameParser parser_;
};

// The written stream is decoded again, write by write; the rows read keep what the
// reply wait made of them, which the bytes alone cannot tell.
class CapturePrinter {
public:
    void line(const QByteArray& line)
    {
        const auto row = rowOf(line);
        if (!row)
            return;
        if (!row->sent) {
            PrintListed(TrafficLine(*row));
            return;
        }
        for (const TrafficRow& decoded : decoder_.rows({row->msSinceEpoch, true, row->bytes, row->baud}))
            PrintListed(TrafficLine(decoded));
    }

private:
    TrafficDecoder decoder_;
};

bool printFile(QFile& file, CaptureKind kind)
{
    switch (kind) {
    case CaptureKind::Log: {
        CapturePrinter printer;
        LineSplitter lines([&](const QByteArray& line) { printer.line(line); });
        if (!eachPiece(file, [&](const QByteArray& piece) { lines.read(piece); }))
            return false;
        lines.finish();
        return true;
    }
    case CaptureKind::HexText: {
        StreamPrinter printer;
        HexTextReader hex;
        QByteArray bytes;
        const bool read = eachPiece(file, [&](const QByteArray& piece) {
            hex.read(QString::fromLatin1(piece), &bytes);
            printer.read(bytes);
            bytes.clear();
        });
        if (!read)
            return false;
        hex.finish(&bytes);
        printer.read(bytes);
        printer.finish();
        return true;
    }
    case CaptureKind::Raw: {
        StreamPrinter printer;
        if (!eachPiece(file, [&](const QByteArray& piece) { printer.read(piece); }))
            return false;
        printer.finish();
        return true;
    }
    }
    return false;
}

int decodeFile(const QString& path)
{
    QFile file;
    const BoundedRead opened = OpenRegularFile(path, &file);
    if (!opened.ok()) {
        PrintErr(ReadFailureText(path, opened, 0));
        return 1;
    }
    const auto kind = kindOf(file);
    const bool printed = kind && printFile(file, *kind);
    FlushListed();
    if (!printed) {
        BoundedRead failed;
        failed.failure = ReadFailure::Unreadable;
        failed.reason = file.errorString();
        PrintErr(ReadFailureText(path, failed, 0));
        return 1;
    }
    return 0;
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
    if (fromFile)
        return decodeFile(options.value(QStringLiteral("file")));
    const auto bytes = HexTextBytes(options.positional().join(QLatin1Char(' ')));
    if (!bytes)
        return PrintUsage(usage);
    StreamPrinter printer;
    printer.read(*bytes);
    printer.finish();
    FlushListed();
    return 0;
}

} // namespace kv::cli
