// kvctl identity, modify-identity, product-number and write-address: a unit's address,
// baud rate and product number.

#include "admin/identity.h"
#include "admin/write_address.h"
#include "cli_context.h"
#include "commands.h"
#include "link/baud.h"

namespace kv::cli {

int RunIdentity(CliContext& ctx, const QStringList& args)
{
    if (!args.isEmpty())
        return ctx.usage();
    const IdentityReadOutcome outcome = ReadIdentity(*ctx.portChoice, *ctx.link, ctx.prompter);
    if (outcome.deviceAddress)
        PrintOut(QString::number(outcome.address));
    return ctx.finish(outcome.result);
}

int RunModifyIdentity(CliContext& ctx, const QStringList& args)
{
    const int baudIndex = args.size() == 2 ? BaudIndexOf(args.at(0)) : -1;
    if (baudIndex < 0)
        return ctx.usage(QStringLiteral("modify-identity 1200|2400|4800|9600|19200|38400|57600|115200 ADDR"));
    const IdentityChangeOutcome outcome = ModifyIdentity({baudIndex, args.at(1)}, *ctx.portChoice, *ctx.link, ctx.prompter);
    return ctx.finish(outcome.result);
}

int RunProductNumber(CliContext& ctx, const QStringList& args)
{
    if (!args.isEmpty())
        return ctx.usage();
    return ctx.finish(ReadProductNumber(ctx.deviceAddress(), *ctx.link, ctx.prompter).result);
}

int RunWriteAddress(CliContext& ctx, const QStringList& args)
{
    if (args.size() != 1)
        return ctx.usage();
    return ctx.finish(WriteUnitAddress(args.first(), *ctx.link, ctx.prompter).result);
}

} // namespace kv::cli
