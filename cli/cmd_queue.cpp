// kvctl queue: the device address queue in data.txt and Lv1Checked.TXT.

#include "admin/address_queue.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "text/operator_text.h"

#include <limits>

namespace kv::cli {

namespace {
const QString kUsage = QStringLiteral(
    "queue list | queue add ADDR DESC | queue modify POS ADDR DESC | queue delete POS | queue tick POS on|off");

// The entry at a 1-based position; nothing (after the message) when there is none.
std::optional<int> entryAt(CliContext& ctx, const QList<QueueEntry>& entries, const QString& text, bool* usage)
{
    const auto position = NumberIn(text, 1, std::numeric_limits<int>::max());
    if (!position) {
        *usage = true;
        return std::nullopt;
    }
    if (*position > entries.size()) {
        ctx.prompter.error(Text::tr("地址队列中没有第%1条记录").arg(*position));
        return std::nullopt;
    }
    return *position - 1;
}

int finish(CliContext& ctx, const QueueEditOutcome& outcome)
{
    if (!outcome.caption.isEmpty())
        PrintOut(outcome.caption);
    return ctx.finish(outcome.result);
}
} // namespace

int RunQueue(CliContext& ctx, const QStringList& args)
{
    const QString verb = args.value(0);
    const AddressQueue queue = LoadAddressQueue(ctx.folder);
    const QList<QueueEntry>& entries = queue.entries;
    bool usage = false;

    if (verb == QLatin1String("list") && args.size() == 1) {
        if (!queue.problem.isEmpty()) {
            ctx.prompter.error(queue.problem);
            return 1;
        }
        for (int i = 0; i < entries.size(); ++i) {
            const QueueEntry& e = entries.at(i);
            PrintOut(QStringLiteral("%1\t%2\t%3\t%4").arg(i + 1).arg(e.address).arg(e.ticked ? 1 : 0).arg(e.description));
        }
        return 0;
    }
    if (verb == QLatin1String("add") && args.size() == 3)
        return finish(ctx, AddQueueEntry(ctx.folder, entries, {args.at(1), args.at(2)}, ctx.prompter));
    if (verb == QLatin1String("modify") && args.size() == 4) {
        const auto index = entryAt(ctx, entries, args.at(1), &usage);
        if (!index)
            return usage ? ctx.usage(kUsage) : 1;
        return finish(ctx, ModifyQueueEntry(ctx.folder, entries, *index, {args.at(2), args.at(3)}, ctx.prompter));
    }
    if (verb == QLatin1String("delete") && args.size() == 2) {
        const auto index = entryAt(ctx, entries, args.at(1), &usage);
        if (!index)
            return usage ? ctx.usage(kUsage) : 1;
        return finish(ctx, DeleteQueueEntry(ctx.folder, entries, *index, ctx.prompter));
    }
    if (verb == QLatin1String("tick") && args.size() == 3
        && (args.at(2) == QLatin1String("on") || args.at(2) == QLatin1String("off"))) {
        const auto index = entryAt(ctx, entries, args.at(1), &usage);
        if (!index)
            return usage ? ctx.usage(kUsage) : 1;
        QList<QueueEntry> ticked = entries;
        ticked[*index].ticked = args.at(2) == QLatin1String("on");
        return ctx.finish(SaveQueueTicks(ctx.folder, ticked, ctx.prompter));
    }
    return ctx.usage(kUsage);
}

} // namespace kv::cli
