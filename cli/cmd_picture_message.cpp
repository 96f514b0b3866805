// kvctl picture-message: "下载图片" of the panel "编辑滚动信息", a picture file stored in
// the units as a picture message.

#include "base/record_store.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "picture/picture_lists.h"
#include "scroll/scroll_picture_message.h"

namespace kv::cli {

int RunPictureMessage(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral("picture-message N FILE [--small] [--power-on]   (N from 1 to 30)");
    CommandOptions options({QStringLiteral("small"), QStringLiteral("power-on")}, {});
    if (!options.parse(args) || options.positional().size() != 2)
        return ctx.usage(usage);
    const auto number = NumberIn(options.positional().first(), 1, kPictureMessages);
    if (!number)
        return ctx.usage(usage);
    ScrollPictureMessageRequest request;
    request.number = *number;
    request.smallCells = options.isSet(QStringLiteral("small"));
    request.powerOn = options.isSet(QStringLiteral("power-on"));
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    request.target = *target;
    ctx.prompter.presetFiles({options.positional().at(1)});
    const ScrollPictureMessageOutcome outcome =
        StoreScrollPictureMessage(request, *ctx.link, ctx.prompter, RecordStore(ctx.folder));
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
