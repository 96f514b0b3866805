#include "scroll/scroll_params.h"

#include "base/display_effects.h"
#include "base/number_items.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

namespace kv {

namespace {
bool within(int index, const QStringList& items)
{
    return index >= 0 && index < items.size();
}
} // namespace

QStringList RepetitionItems()
{
    QStringList out;
    for (int n = 1; n <= 20; ++n)
        out << Text::tr("%1次").arg(n);
    for (int n : {30, 40, 50, 100})
        out << Text::tr("%1次").arg(n);
    out << Text::tr("不停滚动");
    return out;
}

const QStringList& BarHeightItems()
{
    static const QStringList items = NumberItems(0, 45);
    return items;
}

QStringList SpeedItems()
{
    return QStringList{Text::tr("最快")} + NumberItems(1, 7) + QStringList{Text::tr("8(默认)")}
           + NumberItems(9, 14) + QStringList{Text::tr("最慢")};
}

const QStringList& HorizontalOffsetItems()
{
    static const QStringList items = NumberItems(0, 63);
    return items;
}

QStringList VideoInputItems()
{
    return {Text::tr("外部视频输入")};
}

QString ScrollParamsProblem(const ScrollParams& p)
{
    if (p.verticalPosition.isEmpty())
        return Text::tr("滚动垂直位置的参数不能为空");
    const BoxVerdict position = CheckVerticalPositionBox(p.verticalPosition);
    if (!position.ok())
        return position.message;
    // An empty interval box has no value to send; it is refused like a non-number
    // rather than sent as 0.
    if (p.interval.isEmpty())
        return Text::tr("循环间隔时间必须为0-60000的十进制数");
    const BoxVerdict interval = CheckIntervalBox(p.interval);
    if (!interval.ok())
        return interval.message;
    const bool selectorsValid = within(p.repetition, RepetitionItems()) && within(p.brightness, BrightnessItems())
                                && within(p.background, ScrollBackgroundItems())
                                && within(p.barAbove, BarHeightItems()) && within(p.barBelow, BarHeightItems())
                                && within(p.speed, SpeedItems())
                                && within(p.horizontalOffset, HorizontalOffsetItems())
                                && within(p.videoInput, VideoInputItems());
    return selectorsValid ? QString() : Text::tr("滚动参数的选择项超出范围");
}

QByteArray ScrollParamsBlock(const ScrollParams& p)
{
    const int position = BoxValue(p.verticalPosition).value_or(0);
    const int interval = BoxValue(p.interval).value_or(0);
    QByteArray block;
    for (int value : {p.repetition + 2, position >> 8, position & 0xFF, p.brightness, p.background, p.barAbove,
                      p.barBelow, p.speed, p.horizontalOffset * 4, 0, p.save ? 1 : 0, interval >> 8,
                      interval & 0xFF})
        block += char(quint8(value));
    return block;
}

QString GdcsText(const ScrollParams& p)
{
    const int position = BoxValue(p.verticalPosition).value_or(0);
    QByteArray values;
    for (int value : {p.repetition, position >> 8, position & 0xFF, p.brightness, p.background, p.barAbove,
                      p.barBelow, p.speed, p.horizontalOffset, p.videoInput})
        values += char(quint8(value));
    return HexText(values);
}

ScrollParamsOutcome SetScrollParameters(const ScrollParams& params, const TargetChoice& choice, Link& link,
                                        Prompter& prompter, const AppFolder& folder)
{
    ScrollParamsOutcome outcome;
    const QString problem = ScrollParamsProblem(params);
    if (!problem.isEmpty())
        return {Refuse(prompter, problem)};
    folder.ensureSettingsFolder();
    const auto target = ResolveSendTarget(choice, prompter);
    if (!target)
        return {target.refusal()};
    Outcome saving = Outcome::Done();
    outcome.result = RunOnPort(link, prompter, [&](LineSession& session) {
        if (params.save) {
            const QString path = folder.settingsPath(QStringLiteral("GDCS.txt"));
            QString reason;
            outcome.saved = WriteTextFile(path, GdcsText(params), &reason);
            if (!outcome.saved)
                saving = FailWithError(prompter, FileWriteErrorText(path, reason));
        }
        session.put(AddressedFrame(target->address, command::kScrollParameters, target->queueFields()));
        session.put(ScrollParamsBlock(params));
        // The unit must hear both writes; closing with them still queued could cut them off.
        session.drain();
    });
    if (outcome.result.done())
        outcome.result = saving;
    return outcome;
}

} // namespace kv
