#include "font/font_transfer.h"

#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "link/reset_frame.h"

namespace kv {

namespace {
const QString kReplyAccepted = QStringLiteral("55");
constexpr int kPauseBetweenCharactersMs = 5;
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
        return Fail(prompter, kDownloadFailed);
    prompter.message(kDownloadSucceeded);
    return Outcome::Done();
}

FontWriteOutcome WriteWholeFont(const FontTable& table, quint8 address, Link& link, Prompter& prompter)
{
    FontWriteOutcome outcome;
    enum class Stop { None, NotAcknowledged, Cancelled } stop = Stop::None;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        {
            ProgressScope progress(prompter, QStringLiteral("把当前字库写入叠加器"), QStringLiteral("正在写入字库"), kGlyphCount);
            for (int code = 0; code < kGlyphCount && stop == Stop::None; ++code) {
                outcome.stoppedAt = code;
                if (!progress.step(code)) {
                    stop = Stop::Cancelled;
                    break;
                }
                const Reply reply = session.requestAtOnce(
                    {WriteCharacterFrame(address, code, table.record(code)), 1, kWriteCharacterReplyMs});
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
        session.pause(kPauseBetweenCharactersMs);
        // The unit takes a new font only after a restart.
        WriteResetFrame(session, address);
    });
    if (ran.portFault()) {
        outcome.result = ran;
        return outcome;
    }
    if (stop == Stop::NotAcknowledged) {
        outcome.result = Fail(prompter, kDownloadFailed);
    } else if (stop == Stop::Cancelled) {
        prompter.failure(QStringLiteral("字库写入已取消，停在代码%1，之前的字符已写入").arg(outcome.stoppedAt));
        outcome.result = Outcome::Cancelled();
    } else {
        prompter.message(kDownloadSucceeded);
        outcome.result = Outcome::Done();
    }
    return outcome;
}

std::optional<FontTable> ReadWholeFont(quint8 address, Link& link, Prompter& prompter)
{
    QByteArray received(kFontTableSize, '\0');
    std::optional<QString> failure;
    bool cancelled = false;
    bool readWhole = false;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        ProgressScope progress(prompter, QStringLiteral("读取叠加器字库数据"), QStringLiteral("正在读取字库"), kGlyphCount);
        for (int code = 0; code < kGlyphCount; ++code) {
            if (!progress.step(code)) {
                cancelled = true;
                return;
            }
            const Reply reply =
                session.request({ReadCharacterFrame(address, code), kReadCharacterReplySize, kReadCharacterReplyMs});
            if (reply.cancelled()) {
                cancelled = true;
                return;
            }
            if (!reply.ok()) {
                failure = QStringLiteral("读出错误") + QString::number(code);
                return;
            }
            const QByteArray record = reply.bytes.left(kRecordSize);
            if (XorOf(record) != static_cast<quint8>(reply.bytes.at(kRecordSize))) {
                failure = QStringLiteral("读出错误");
                return;
            }
            received.replace(code * kRecordSize, kRecordSize, record);
        }
        readWhole = true;
        WriteResetFrame(session, address);
    });
    // The font is read whole even if the restart that follows it could not be sent.
    if (ran.portFault() && !readWhole)
        return std::nullopt;
    if (failure) {
        prompter.failure(*failure);
        return std::nullopt;
    }
    if (cancelled) {
        prompter.failure(QStringLiteral("字库读取已取消，字库未改变"));
        return std::nullopt;
    }
    prompter.message(QStringLiteral("读出成功"));
    return FontTable::fromDeviceBytes(received);
}

QString ChooseFontDownloadFile(Prompter& prompter)
{
    return prompter.chooseOpenFile(QStringLiteral("下载字库"), QStringLiteral("All files (*.bin)"));
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
        ProgressScope progress(prompter, QStringLiteral("等待叠加器应答"), QStringLiteral("正在等待叠加器应答（秒）"),
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
    return cancelled ? Outcome::Cancelled() : FailWithError(prompter, QStringLiteral("返回错误1"));
}

} // namespace kv
