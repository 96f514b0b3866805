// kvctl play-stored: plays the power-on scroll or a shortcut stored in the units.

#include "cli_context.h"
#include "commands.h"
#include "scroll/stored_scroll_play.h"

namespace kv::cli {

int RunPlayStored(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral("play-stored power-on|N   (N from 1 to 16)");
    if (args.size() != 1)
        return ctx.usage(usage);
    int item = 0;
    if (args.first() != QLatin1String("power-on")) {
        bool ok = false;
        item = args.first().toInt(&ok);
        if (!ok || item < 1 || item >= StoredScrollItems().size())
            return ctx.usage(usage);
    }
    const auto choice = ctx.targetChoice();
    if (!choice)
        return 1;
    return PlayStoredScroll(item, *choice, *ctx.link, ctx.prompter) ? ctx.exitStatus() : 1;
}

} // namespace kv::cli
