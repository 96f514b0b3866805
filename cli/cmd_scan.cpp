// kvctl scan: which of the ticked queue entries answer on the line.

#include "admin/address_queue.h"
#include "admin/bus_scan.h"
#include "cli_context.h"
#include "commands.h"
#include "text/operator_text.h"

namespace kv::cli {

int RunScan(CliContext& ctx, const QStringList& args)
{
    if (!args.isEmpty())
        return ctx.usage();
    TargetChoice choice;
    choice.mode = SendMode::AddressQueue;
    choice.queueAddressString = QueueAddressString(LoadAddressQueue(ctx.folder).entries);
    const BusScanOutcome outcome = ScanConnectedDevices(choice, *ctx.link, ctx.prompter);
    if (outcome.result.kind == OutcomeKind::Cancelled)
        ctx.prompter.error(Text::tr("扫描已取消"));
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
