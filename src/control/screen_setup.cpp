#include "control/screen_setup.h"

#include "base/prompter.h"
#include "control/test_frame.h"
#include "control/test_selectors.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int kStoreReplyMs = 1500;
constexpr int kShapeReplyMs = 100;
// The selectors' first row is row 3 and first column column 4; the unit counts both
// from 1.
constexpr int kRowStoredAbove = 2;
constexpr int kColumnStoredAbove = 3;
// The unit takes a moment over its non-volatile store before the line is closed.
constexpr int kSettingsSettleMs = 10;

Outcome communicationError(Prompter& prompter)
{
    return FailWithError(prompter, Text::tr("通信错误"));
}

// Writes a storing frame and tells the operator whether the unit answered 88.
Outcome storeSetting(quint8 code, const QByteArray& payload, int settleMs, Link& link, Prompter& prompter)
{
    Outcome stored = Outcome::Cancelled();
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        const Reply reply = session.request({CheckByteFrame(code, kStoringAddress, payload), 1, kStoreReplyMs, {},
                                             [](const Reply& r) {
                                                 return IsAcknowledgement(r) ? Text::tr("设置成功")
                                                                             : Text::tr("设置失败");
                                             }});
        if (reply.cancelled())
            return;
        if (IsAcknowledgement(reply)) {
            prompter.message(Text::tr("设置成功"));
            stored = Outcome::Done();
        } else {
            stored = Fail(prompter, Text::tr("设置失败，请检查串口号是否或波特率正确或连接是否良好"));
        }
        if (settleMs > 0)
            session.pause(settleMs);
    });
    return ran.portFault() ? ran : stored;
}

// One shape byte from the unit after a shape frame; nothing on silence or cancel.
std::optional<int> shapeReply(quint8 code, const QByteArray& payload, LineSession& session)
{
    const Reply reply = session.request({CheckByteFrame(code, kStoringAddress, payload), 1, kShapeReplyMs});
    if (!reply.ok())
        return std::nullopt;
    return quint8(reply.bytes.at(0));
}
} // namespace

Outcome SetScreenOffset(const QString& deviceAddress, Offset offset, int value, Link& link, Prompter& prompter)
{
    const quint8 code = offset == Offset::Horizontal ? command::kHorizontalOffset : command::kVerticalOffset;
    return SendTestFrame(deviceAddress, code, FieldBytes({value}), true, link, prompter);
}

Outcome TryVideoMode(const QString& deviceAddress, int mode, Link& link, Prompter& prompter)
{
    return SendTestFrame(deviceAddress, command::kVideoMode, FieldBytes({mode}), true, link, prompter);
}

Outcome StoreVideoMode(int mode, Link& link, Prompter& prompter)
{
    return storeSetting(command::kStoreVideoMode, FieldBytes({mode}), 0, link, prompter);
}

Outcome StoreScreenSettings(const ScreenSettingsInput& input, Link& link, Prompter& prompter)
{
    return storeSetting(command::kStoreScreenSettings,
                        FieldBytes({input.horizontalOffset, input.verticalOffset, input.shape,
                                    input.rowIndex + kRowStoredAbove, input.columnIndex + kColumnStoredAbove}),
                        kSettingsSettleMs, link, prompter);
}

CrosshairOutcome StepCrosshair(CrosshairStep step, Link& link, Prompter& prompter)
{
    CrosshairOutcome outcome;
    Outcome answer = Outcome::Cancelled();
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        const auto reported = shapeReply(command::kReadShape, {}, session);
        if (!reported) {
            if (!prompter.cancelFlag().requested())
                answer = communicationError(prompter);
            return;
        }
        // A unit may report a shape past the last one; the step never leaves 0-21.
        const int stepped = *reported + (step == CrosshairStep::Next ? 1 : -1);
        const int shape = std::clamp(stepped, 0, kLastShape);
        outcome.shape = shape;
        const auto echoed = shapeReply(command::kWriteShape, FieldBytes({shape}), session);
        if (echoed == shape)
            answer = Outcome::Done();
        else if (!prompter.cancelFlag().requested())
            answer = communicationError(prompter);
    });
    outcome.result = ran.portFault() ? ran : answer;
    return outcome;
}

CrosshairOutcome ReadCrosshairShape(Link& link, Prompter& prompter)
{
    CrosshairOutcome outcome;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        outcome.shape = shapeReply(command::kReadShape, {}, session);
        // A shape past the last one is no shape the unit can show: the byte is noise or
        // another unit's answer, not a reading.
        if (outcome.shape && *outcome.shape > kLastShape)
            outcome.shape.reset();
        if (!outcome.shape && !prompter.cancelFlag().requested())
            outcome.result = communicationError(prompter);
    });
    if (!ran.done())
        outcome.result = ran;
    return outcome;
}

} // namespace kv
