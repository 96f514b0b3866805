// kvctl scroll-params: "设置参数" of the panel "滚动参数设置"; options left out keep the
// panel's start-up choices.

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
    const QList<std::pair<QString, int*>> indexes = {
        {QStringLiteral("count"), &params.repetition},     {QStringLiteral("brightness"), &params.brightness},
        {QStringLiteral("background"), &params.background}, {QStringLiteral("bar-above"), &params.barAbove},
        {QStringLiteral("bar-below"), &params.barBelow},   {QStringLiteral("speed"), &params.speed},
        {QStringLiteral("hoffset"), &params.horizontalOffset}, {QStringLiteral("video"), &params.videoInput},
    };
    QStringList valued = {QStringLiteral("vpos"), QStringLiteral("interval")};
    for (const auto& index : indexes)
        valued << index.first;
    CommandOptions options({QStringLiteral("save")}, valued);
    if (!options.parse(args) || !options.positional().isEmpty())
        return ctx.usage(QString::fromUtf8(kUsage));
    params.save = options.isSet(QStringLiteral("save"));
    if (options.isSet(QStringLiteral("vpos")))
        params.verticalPosition = options.value(QStringLiteral("vpos"));
    if (options.isSet(QStringLiteral("interval")))
        params.interval = options.value(QStringLiteral("interval"));
    for (const auto& [name, field] : indexes) {
        if (!options.isSet(name))
            continue;
        bool ok = false;
        *field = options.value(name).toInt(&ok);
        if (!ok)
            return ctx.usage(QString::fromUtf8(kUsage));
    }

    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    const ScrollParamsOutcome outcome = SetScrollParameters(params, *target, *ctx.link, ctx.prompter, ctx.folder);
    return outcome.sent ? ctx.exitStatus() : 1;
}

} // namespace kv::cli
