// kvctl status: the caption status report of the unit at the specified address.

#include "cli_context.h"
#include "commands.h"
#include "scroll/status_report.h"

namespace kv::cli {

int RunStatus(CliContext& ctx, const QStringList& args)
{
    // The report is one unit's answer: without an address there is no unit to ask, and
    // the window's box default "0" would send the request to nobody.
    if (!args.isEmpty() || !ctx.targetsOneUnit())
        return ctx.usage(QStringLiteral("--target ADDR status"));
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    const StatusReportOutcome outcome = RequestStatusReport(*target, *ctx.link, ctx.prompter);
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
