// kvctl scroll-params: "设置参数" of the panel "滚动参数设置"; options left out keep the
// panel's start-up choices.

#include "base/display_effects.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "scroll/scroll_params.h"

namespace kv::cli {

namespace {
const char* const kUsage =
    "scroll-params [--count I] [--vpos N] [--brightness I] [--background I] [--bar-above I] [--bar-below I]\n"
    "              [--speed I] [--hoffset I] [--video I] [--interval S] [--save]   (I: 0-based item index)";
} // namespace

int RunScrollParams(CliContext& ctx, const QStringList& args)
{
    ScrollParams params;
    // Each option with the number of items of its selector.
    const QList<std::tuple<QString, qsizetype, int*>> indexes = {
        {QStringLiteral("count"), RepetitionItems().size(), &params.repetition},
        {QStringLiteral("brightness"), BrightnessItems().size(), &params.brightness},
        {QStringLiteral("background"), ScrollBackgroundItems().size(), &params.background},
        {QStringLiteral("bar-above"), BarHeightItems().size(), &params.barAbove},
        {QStringLiteral("bar-below"), BarHeightItems().size(), &params.barBelow},
        {QStringLiteral("speed"), SpeedItems().size(), &params.speed},
        {QStringLiteral("hoffset"), HorizontalOffsetItems().size(), &params.horizontalOffset},
        {QStringLiteral("video"), VideoInputItems().size(), &params.videoInput},
    };
    QStringList valued = {QStringLiteral("vpos"), QStringLiteral("interval")};
    for (const auto& index : indexes)
        valued << std::get<0>(index);
    CommandOptions options({QStringLiteral("save")}, valued);
    if (!options.parse(args) || !options.positional().isEmpty())
        return ctx.usage(QString::fromUtf8(kUsage));
    params.save = options.isSet(QStringLiteral("save"));
    if (options.isSet(QStringLiteral("vpos")))
        params.verticalPosition = options.value(QStringLiteral("vpos"));
    if (options.isSet(QStringLiteral("interval")))
        params.interval = options.value(QStringLiteral("interval"));
    for (const auto& [name, items, field] : indexes)
        if (!options.readNumber(name, 0, int(items) - 1, *field))
            return ctx.usage(QString::fromUtf8(kUsage), options.problem());

    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    const ScrollParamsOutcome outcome = SetScrollParameters(params, *target, *ctx.link, ctx.prompter, ctx.folder);
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
