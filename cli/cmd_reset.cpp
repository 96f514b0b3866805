// kvctl reset: "复位", the restart command to the unit at the device address.

#include "cli_context.h"
#include "commands.h"
#include "control/reset.h"
#include "link/device_address.h"

namespace kv::cli {

int RunReset(CliContext& ctx, const QStringList& args)
{
    if (!args.isEmpty())
        return ctx.usage();
    const auto address = DeviceAddressByte(ctx.deviceAddress(), ctx.prompter);
    if (!address)
        return ctx.finish(address.refusal());
    return ctx.finish(ResetUnit(*address, *ctx.link, ctx.prompter));
}

} // namespace kv::cli
