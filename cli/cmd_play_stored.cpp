// kvctl play-stored: plays the power-on scroll or a shortcut stored in the units.

#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "scroll/stored_scroll_play.h"

namespace kv::cli {

int RunPlayStored(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral("play-stored power-on|N   (N from 1 to 16)");
    if (args.size() != 1)
        return ctx.usage(usage);
    const auto item = args.first() == QLatin1String("power-on")
        ? std::optional<int>(0)
        : NumberIn(args.first(), 1, int(StoredScrollItems().size()) - 1);
    if (!item)
        return ctx.usage(usage);
    const auto choice = ctx.targetChoice();
    if (!choice)
        return 1;
    return ctx.finish(PlayStoredScroll(*item, *choice, *ctx.link, ctx.prompter));
}

} // namespace kv::cli
