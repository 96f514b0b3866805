// kvctl menu and display-item: the device command menu and its display-item menu.

#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "control/device_menu.h"
#include "control/display_items.h"

namespace kv::cli {

namespace {
const char* const kMenuUsage =
    "menu N [ADDR|ENTRY]   N as the menu's captions number it (1, 4-20): 1 ADDR writes the address,\n"
    "                      6 ENTRY sends a display-item entry 0-17, 7 needs --target ADDR";
const char* const kDisplayItemUsage = "display-item ENTRY   (ENTRY 0-17)";

int displayItem(CliContext& ctx, const QString& entryText, const QString& usage)
{
    const auto entry = NumberIn(entryText, 0, kDisplayItemEntries - 1);
    if (!entry)
        return ctx.usage(usage);
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    return ctx.finish(ChooseDisplayItem(*entry, *target, *ctx.link, ctx.prompter));
}
} // namespace

int RunMenu(CliContext& ctx, const QStringList& args)
{
    const QString usage = QString::fromUtf8(kMenuUsage);
    const auto number = args.isEmpty() ? std::nullopt : NumberIn(args.first(), 1, 20);
    const DeviceMenuItem* item = number ? DeviceMenuItemNumbered(*number) : nullptr;
    if (!item)
        return ctx.usage(usage);
    const QStringList rest = args.mid(1);
    switch (item->action) {
    case MenuAction::WriteAddress:
        return rest.size() == 1 ? RunWriteAddress(ctx, rest) : ctx.usage(usage);
    case MenuAction::DisplayItems:
        return rest.size() == 1 ? displayItem(ctx, rest.first(), usage) : ctx.usage(usage);
    case MenuAction::StatusReport:
        return rest.isEmpty() ? RunStatus(ctx, rest) : ctx.usage(usage);
    case MenuAction::ReadIdentity:
        return rest.isEmpty() ? RunIdentity(ctx, rest) : ctx.usage(usage);
    default:
        break;
    }
    if (!rest.isEmpty())
        return ctx.usage(usage);
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    if (item->action == MenuAction::DeletePowerOnDisplays)
        return ctx.finish(DeletePowerOnDisplays(*target, *ctx.link, ctx.prompter));
    return ctx.finish(SendMenuFrame(*item, *target, *ctx.link, ctx.prompter));
}

int RunDisplayItem(CliContext& ctx, const QStringList& args)
{
    const QString usage = QString::fromUtf8(kDisplayItemUsage);
    if (args.size() != 1)
        return ctx.usage(usage);
    return displayItem(ctx, args.first(), usage);
}

} // namespace kv::cli
