#include "scroll/scroll_send.h"

#include "base/checked.h"
#include "base/numbered_list.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "base/send_modes.h"
#include "base/unit_text.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "picture/frame_send.h"
#include "scroll/entry_list.h"
#include "scroll/scroll_frames.h"
#include "scroll/scroll_text_limit.h"
#include "text/operator_text.h"

namespace kv {

namespace {
// The writes that carry bytes: an empty part of a message is not put on the line.
QList<QByteArray> withoutEmpty(QList<QByteArray> writes)
{
    writes.removeIf([](const QByteArray& bytes) { return bytes.isEmpty(); });
    return writes;
}

struct CheckedInputs {
    int timer = 0;
    int entryIndex = 0;
};

// The checks that come before any byte is sent. The window's boxes cannot hold a bad
// timer; a command line can, and then nothing is sent either.
Checked<CheckedInputs> checkInputs(const ScrollSendRequest& request, Prompter& prompter)
{
    CheckedInputs inputs;
    const BoxVerdict timer = CheckTimerBox(request.timer);
    if (!timer.ok())
        return Refuse(prompter, timer.message);
    inputs.timer = BoxValue(request.timer).value_or(0);
    if (IsEntryListMode(request.mode)) {
        // An entry beyond the list would call something the units were never given.
        const auto number = BoxValue(request.entryNumber);
        if (!number || *number < 1 || *number > EntryListSize(request.mode))
            return Refuse(prompter, Text::tr("先选择要发送的信息"));
        inputs.entryIndex = *number - 1;
    }
    return inputs;
}

QList<QByteArray> entryCallWrites(const ScrollSendRequest& request, const SendTarget& target, int index)
{
    if (request.mode == kModeShortcut)
        return {ShortcutCallFrame(target, quint8(index), request.secondButton)};
    const quint8 size = request.mode == kModeSmallPictureMessage ? 1 : 0;
    return PictureMessageCallWrites(target, request.secondButton, size, quint8(index));
}
} // namespace

SendModeSelection SelectSendMode(int mode, const QString& specifiedAddress, const ScrollTextCache& cache,
                                 const RecordStore& store, Prompter& prompter)
{
    SendModeSelection selection;
    selection.mode = mode;
    if (IsBuiltInFontMode(mode)) {
        selection.editorText = cache.textFor(mode, store);
        return selection;
    }
    if (!IsEntryListMode(mode))
        return selection;
    if (BoxValue(specifiedAddress) == 255) {
        prompter.error(Text::tr("这个操作只能制定特定设备"));
        return selection;
    }
    QString error;
    selection.entries = LoadEntryList(mode, store, &error);
    if (!error.isEmpty())
        prompter.error(error);
    selection.editorText = ListDisplayText(selection.entries);
    return selection;
}

ScrollSendOutcome SendScroll(const ScrollSendRequest& request, Link& link, Prompter& prompter,
                             const RecordStore& store, ScrollTextCache& cache)
{
    ScrollSendOutcome outcome;
    if (request.mode < 0 || request.mode > kModeShortcut)
        return {Outcome::Refused()};
    const bool builtInFont = IsBuiltInFontMode(request.mode);
    const QString text = WithCrLfLineBreaks(request.editorText);
    std::optional<UnitText> message;
    if (builtInFont) {
        if (!ScrollTextFits(text))
            return {Refuse(prompter, ScrollTextTooLongText())};
        QString unencodable;
        message = EncodeUnitText(text, &unencodable);
        if (!message)
            return {Refuse(prompter, UnencodableCharacterText(unencodable))};
    }
    const auto inputs = checkInputs(request, prompter);
    if (!inputs)
        return {inputs.refusal()};
    const auto target = ResolveSendTarget(request.target, prompter);
    if (!target)
        return {target.refusal()};

    Outcome sent = Outcome::Cancelled();
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        QList<QByteArray> writes;
        if (builtInFont) {
            const quint8 flag = quint8((request.mode == kModeSmallFont ? 1 : 0) | (request.powerOn ? 0x20 : 0));
            writes = BuiltInFontScrollWrites(*target, request.secondButton, flag, message->bytes);
        } else {
            writes = entryCallWrites(request, *target, inputs->entryIndex);
        }
        if (!session.write(withoutEmpty(writes)))
            return;
        session.closeLine();
        sent = Outcome::Done();
        if (builtInFont) {
            QString error;
            if (!cache.remember(request.mode, text, store, &error))
                sent = FailWithError(prompter, error);
        }
        if (inputs->timer > 0) {
            WriteTimedDisplay(session, *target, inputs->timer, true);
            outcome.timerSent = true;
        }
    });
    outcome.result = ran.portFault() ? ran : sent;
    return outcome;
}

} // namespace kv
