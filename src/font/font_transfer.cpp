#include "font/font_transfer.h"

#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "link/reset_frame.h"
#include "text/operator_text.h"

namespace kv {

namespace {
const QString kReplyAccepted = QStringLiteral("55");
constexpr int kPauseBetweenCharactersMs = 5;

QString downloadSucceeded()
{
    return Text::tr("下载成功");
}

QString downloadFailed()
{
    return Text::tr("下载失败");
}
} // namespace

QByteArray WriteCharacterFrame(quint8 address, int code, const QByteArray& record)
{
    return CheckByteFrame(command::kWriteCharacter, address, QByteArray(1, char(code)) + record.left(kRecordSize));
}

QByteArray ReadCharacterFrame(quint8 address, int code)
{
    return CheckByteFrame(command::kReadCharacter, address, QByteArray(1, char(code)));
}

QByteArray FontFileStartFrame()
{
    return AddressedFrame(0xFF, command::kFontFileStart, QByteArray(1, '\0'));
}

Outcome WriteOneCharacter(const FontTable& table, int code, quint8 address, Link& link, Prompter& prompter)
{
    Reply reply;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        reply = session.requestAtOnce({WriteCharacterFrame(address, code, table.record(code)), 1, kWriteCharacterReplyMs});
    });
    if (ran.portFault())
        return ran;
    if (reply.cancelled())
        return Outcome::Cancelled();
    if (!IsAcknowledgement(reply))
        return Fail(prompter, downloadFailed());
    prompter.message(downloadSucceeded());
    return Outcome::Done();
}

namespace {

// Writes one record, again up to retries times while it is not acknowledged (a time-out
// included). Writing a character twice is harmless: the unit keeps the last one.
Reply writeCharacter(LineSession& session, const FontTable& table, int code, quint8 address, int retries)
{
    for (int attempt = 0;; ++attempt) {
        const Reply reply =
            session.requestAtOnce({WriteCharacterFrame(address, code, table.record(code)), 1, kWriteCharacterReplyMs});
        if (reply.cancelled() || IsAcknowledgement(reply) || attempt >= retries)
            return reply;
        session.pause(kPauseBetweenCharactersMs);
    }
}

// What reading the 256 records gave: the font, or why it stopped.
struct CharacterRead {
    QByteArray received = QByteArray(kFontTableSize, '\0');
    std::optional<QString> failure;
    bool cancelled = false;
};

// Reads one record, again up to retries times when its answer is missing, incomplete or
// fails its check byte; the failure is the message of the last attempt.
std::optional<QString> readCharacter(LineSession& session, int code, quint8 address, int retries,
                                     QByteArray& record, bool& cancelled)
{
    std::optional<QString> failure;
    for (int attempt = 0; attempt <= retries; ++attempt) {
        const Reply reply =
            session.request({ReadCharacterFrame(address, code), kReadCharacterReplySize, kReadCharacterReplyMs});
        if (reply.cancelled()) {
            cancelled = true;
            return std::nullopt;
        }
        if (!reply.ok()) {
            failure = Text::tr("读出错误%1").arg(code);
            continue;
        }
        record = reply.bytes.left(kRecordSize);
        if (XorOf(record) != static_cast<quint8>(reply.bytes.at(kRecordSize))) {
            failure = Text::tr("读出错误");
            continue;
        }
        return std::nullopt;
    }
    return failure;
}

CharacterRead readCharacters(LineSession& session, Prompter& prompter, quint8 address, int retries,
                             const QString& title, const QString& doing)
{
    CharacterRead read;
    ProgressScope progress(prompter, title, doing, kGlyphCount);
    for (int code = 0; code < kGlyphCount; ++code) {
        if (!progress.step(code)) {
            read.cancelled = true;
            return read;
        }
        QByteArray record;
        read.failure = readCharacter(session, code, address, retries, record, read.cancelled);
        if (read.failure || read.cancelled)
            return read;
        read.received.replace(code * kRecordSize, kRecordSize, record);
    }
    return read;
}

// The codes whose records differ between the table and what the unit gave back.
QList<int> differingCodes(const FontTable& table, const QByteArray& received)
{
    QList<int> codes;
    for (int code = 0; code < kGlyphCount; ++code)
        if (table.record(code) != received.mid(code * kRecordSize, kRecordSize))
            codes << code;
    return codes;
}

// "校验成功：…" when nothing differs, else the failure and the first 20 codes that do.
Outcome reportComparison(const FontTable& table, const CharacterRead& read, Prompter& prompter)
{
    if (read.failure)
        return Fail(prompter, *read.failure);
    if (read.cancelled) {
        prompter.failure(Text::tr("字库校验已取消"));
        return Outcome::Cancelled();
    }
    const QList<int> codes = differingCodes(table, read.received);
    if (codes.isEmpty()) {
        prompter.message(Text::tr("校验成功：%1 个字符与字库一致").arg(kGlyphCount));
        return Outcome::Done();
    }
    constexpr int kCodesNamed = 20;
    QStringList named;
    for (int i = 0; i < qMin(int(codes.size()), kCodesNamed); ++i)
        named << QString::number(codes.at(i));
    QString text =
        Text::tr("校验失败：%1 个字符不一致：%2").arg(QString::number(codes.size()), named.join(QStringLiteral(", ")));
    if (codes.size() > kCodesNamed)
        text += QStringLiteral("…");
    return Fail(prompter, text);
}

QString verifyTitle()
{
    return Text::tr("校验叠加器字库");
}

QString verifyDoing()
{
    return Text::tr("正在校验字库");
}

} // namespace

FontWriteOutcome WriteWholeFont(const FontTable& table, quint8 address, Link& link, Prompter& prompter,
                                const FontWriteOptions& options)
{
    FontWriteOutcome outcome;
    enum class Stop { None, NotAcknowledged, Cancelled } stop = Stop::None;
    const int from = qBound(0, options.from, kGlyphCount - 1);
    outcome.stoppedAt = from;
    const int retries = qBound(0, options.retries, kMostCharacterRetries);
    std::optional<CharacterRead> readBack;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        {
            ProgressScope progress(prompter, Text::tr("把当前字库写入叠加器"), Text::tr("正在写入字库"), kGlyphCount);
            for (int code = from; code < kGlyphCount && stop == Stop::None; ++code) {
                outcome.stoppedAt = code;
                if (!progress.step(code)) {
                    stop = Stop::Cancelled;
                    break;
                }
                const Reply reply = writeCharacter(session, table, code, address, retries);
                if (reply.cancelled()) {
                    stop = Stop::Cancelled;
                    break;
                }
                if (!IsAcknowledgement(reply)) {
                    stop = Stop::NotAcknowledged;
                    break;
                }
                session.pause(kPauseBetweenCharactersMs);
            }
        }
        if (stop != Stop::None)
            return;
        outcome.stoppedAt = -1;
        // The unit still holds the font as written until it restarts, so it is read
        // back before the reset.
        if (options.verify)
            readBack = readCharacters(session, prompter, address, retries, verifyTitle(), verifyDoing());
        session.pause(kPauseBetweenCharactersMs);
        // The unit takes a new font only after a restart.
        WriteResetFrame(session, address);
    });
    if (ran.portFault() && !readBack) {
        outcome.result = ran;
        return outcome;
    }
    if (stop == Stop::NotAcknowledged) {
        outcome.result = Fail(prompter, downloadFailed());
    } else if (stop == Stop::Cancelled) {
        prompter.failure(Text::tr("字库写入已取消，停在代码%1，之前的字符已写入").arg(outcome.stoppedAt));
        outcome.result = Outcome::Cancelled();
    } else {
        prompter.message(downloadSucceeded());
        outcome.result = readBack ? reportComparison(table, *readBack, prompter) : Outcome::Done();
    }
    return outcome;
}

FontReadOutcome ReadWholeFont(quint8 address, Link& link, Prompter& prompter, int retries)
{
    std::optional<CharacterRead> read;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        read = readCharacters(session, prompter, address, qBound(0, retries, kMostCharacterRetries),
                              Text::tr("读取叠加器字库数据"), Text::tr("正在读取字库"));
        if (!read->failure && !read->cancelled)
            WriteResetFrame(session, address);
    });
    // The font is read whole even if the restart that follows it could not be sent.
    const bool readWhole = read && !read->failure && !read->cancelled;
    if (ran.portFault() && !readWhole)
        return {ran, std::nullopt};
    if (read->failure)
        return {Fail(prompter, *read->failure), std::nullopt};
    if (read->cancelled) {
        prompter.failure(Text::tr("字库读取已取消，字库未改变"));
        return {Outcome::Cancelled(), std::nullopt};
    }
    prompter.message(Text::tr("读出成功"));
    return {Outcome::Done(), FontTable::fromDeviceBytes(read->received)};
}

Outcome VerifyFont(const FontTable& table, quint8 address, Link& link, Prompter& prompter, int retries)
{
    std::optional<CharacterRead> read;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        read = readCharacters(session, prompter, address, qBound(0, retries, kMostCharacterRetries), verifyTitle(),
                              verifyDoing());
        if (!read->failure && !read->cancelled)
            WriteResetFrame(session, address);
    });
    if (ran.portFault() && (!read || read->failure || read->cancelled))
        return ran;
    return reportComparison(table, *read, prompter);
}

QString ChooseFontDownloadFile(Prompter& prompter)
{
    return prompter.chooseOpenFile(Text::tr("下载字库"), QStringLiteral("All files (*.bin)"));
}

Outcome StartFontDownload(Link& link, Prompter& prompter)
{
    bool cancelled = false;
    bool accepted = false;
    // Nothing follows the acceptance on this line, so the port closes like after every
    // other operation.
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        session.put(FontFileStartFrame());
        // The unit takes almost a minute to answer; the operator sees the seconds
        // pass and may stop waiting.
        ProgressScope progress(prompter, Text::tr("等待叠加器应答"), Text::tr("正在等待叠加器应答（秒）"),
                               kFontFileStartReplyMs / 1000);
        // The operator's answer to the progress goes to the cancel that the wait
        // itself looks at.
        const Reply reply = session.awaitReply(1, kFontFileStartReplyMs, [&](qint64 waitedMs) {
            if (!progress.step(int(waitedMs / 1000)))
                prompter.cancelFlag().request();
        });
        cancelled = reply.cancelled();
        accepted = ReplyText(reply) == kReplyAccepted;
    });
    if (ran.portFault())
        return ran;
    if (accepted)
        return Outcome::Done();
    return cancelled ? Outcome::Cancelled() : FailWithError(prompter, Text::tr("返回错误1"));
}

} // namespace kv
