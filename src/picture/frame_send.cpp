#include "picture/frame_send.h"

#include "base/prompter.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

#include <functional>

namespace kv {

namespace {
constexpr int kBeforeTimerMs = 20;
constexpr int kMaxSeconds = 60000;

quint16 seconds16(int seconds)
{
    return quint16(qBound(0, seconds, kMaxSeconds));
}

// Resolves the target and writes the frames it gives, each drained, inside the port
// bracket.
FrameSendOutcome sendFrames(const TargetChoice& choice, Link& link, Prompter& prompter,
                            const std::function<QList<QByteArray>(const SendTarget&)>& frames)
{
    const auto target = ResolveSendTarget(choice, prompter);
    if (!target)
        return {target.refusal()};
    const QList<QByteArray> writes = frames(*target);
    bool finished = false;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) { finished = session.write(writes); });
    if (ran.portFault())
        return {ran};
    if (!finished)
        return {Outcome::Cancelled()};
    return {Outcome::Done(), writes};
}
} // namespace

QString StaticTextTooLongText(qsizetype bytes)
{
    return Text::tr("静止文字编码后共%1字节，一次最多能发送%2字节，请减少字符").arg(bytes).arg(kMaxStaticTextBytes);
}

FrameSendOutcome SendStaticText(const StaticTextRequest& request, Link& link, Prompter& prompter)
{
    if (request.text.size() > kMaxStaticTextBytes)
        return {Refuse(prompter, StaticTextTooLongText(request.text.size()))};
    return sendFrames(request.target, link, prompter, [&](const SendTarget& target) {
        return QList<QByteArray>{StaticTextHeader(target, request.smallFont, request.lineSpacing, request.placement,
                                                  quint8(request.text.size())),
                                 request.text};
    });
}

FrameSendOutcome ChangeSlotParameters(const SlotParametersRequest& request, Link& link, Prompter& prompter)
{
    if (request.slotIndex == 0)
        return {Refuse(prompter, Text::tr("台标、角标不能单独修改显示参数。"))};
    const quint8 kind = SlotKind(request.logoPage, request.powerOn);
    return sendFrames(request.target, link, prompter, [&](const SendTarget& target) {
        return QList<QByteArray>{SlotParametersFrame(target, request.placement, kind)};
    });
}

FrameSendOutcome RecallStoredPicture(const RecallPictureRequest& request, Link& link, Prompter& prompter)
{
    return sendFrames(request.target, link, prompter, [&](const SendTarget& target) {
        return QList<QByteArray>{
            RecallPictureFrame(target, request.append, request.number, seconds16(request.timerSeconds))};
    });
}

QByteArray WriteTimedDisplay(LineSession& session, const SendTarget& target, int seconds, bool scrollMode)
{
    session.pause(kBeforeTimerMs);
    session.reopenLine();
    const QByteArray frame = TimedDisplayFrame(target, seconds16(seconds), scrollMode);
    session.write(frame);
    return frame;
}

FrameSendOutcome SendTimedDisplay(const TimedDisplayRequest& request, Link& link, Prompter& prompter)
{
    FrameSendOutcome outcome;
    const auto target = ResolveSendTarget(request.target, prompter);
    if (!target)
        return {target.refusal()};
    outcome.result = RunOnPort(link, prompter, [&](LineSession& session) {
        outcome.writes << WriteTimedDisplay(session, *target, request.seconds, request.scrollMode);
    });
    return outcome;
}

} // namespace kv
