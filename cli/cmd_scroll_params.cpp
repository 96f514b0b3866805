// kvctl scroll-params: "设置参数" of the panel "滚动参数设置"; options left out keep the
// panel's start-up choices.

#include "cli_context.h"
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
        {QStringLiteral("--count"), &params.repetition},   {QStringLiteral("--brightness"), &params.brightness},
        {QStringLiteral("--background"), &params.background}, {QStringLiteral("--bar-above"), &params.barAbove},
        {QStringLiteral("--bar-below"), &params.barBelow}, {QStringLiteral("--speed"), &params.speed},
        {QStringLiteral("--hoffset"), &params.horizontalOffset}, {QStringLiteral("--video"), &params.videoInput},
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--save")) {
            params.save = true;
            continue;
        }
        if (i + 1 >= args.size())
            return ctx.usage(QString::fromUtf8(kUsage));
        const QString& value = args.at(++i);
        if (arg == QLatin1String("--vpos")) {
            params.verticalPosition = value;
            continue;
        }
        if (arg == QLatin1String("--interval")) {
            params.interval = value;
            continue;
        }
        bool known = false;
        for (const auto& [name, field] : indexes) {
            if (arg != name)
                continue;
            bool ok = false;
            *field = value.toInt(&ok);
            if (!ok)
                return ctx.usage(QString::fromUtf8(kUsage));
            known = true;
        }
        if (!known)
            return ctx.usage(QString::fromUtf8(kUsage));
    }

    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    const ScrollParamsOutcome outcome = SetScrollParameters(params, *target, *ctx.link, ctx.prompter, ctx.folder);
    return outcome.sent ? ctx.exitStatus() : 1;
}

} // namespace kv::cli
