// kvctl send: the send buttons of the scroll modes, with the send panel's boxes as options.

#include "base/record_store.h"
#include "base/send_modes.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "scroll/scroll_send.h"
#include "text_file.h"

namespace kv::cli {

namespace {
const char* const kUsage =
    "send MODE [--append] [--text T | --text-file F] [--entry N] [--timer S] [--power-on]   (MODE 0 to 4)\n"
    "send 5|6|7|8|9 ...   (kvctl send 5 alone shows the static modes' options)";
} // namespace

int RunSend(CliContext& ctx, const QStringList& args)
{
    const auto chosen = NumberIn(args.value(0), 0, kSendModes - 1);
    if (!chosen)
        return ctx.usage(QString::fromUtf8(kUsage));
    const int mode = *chosen;
    if (IsStaticMode(mode))
        return RunSendStatic(ctx, mode, args.mid(1));

    ScrollSendRequest request;
    request.mode = mode;
    CommandOptions options({QStringLiteral("append"), QStringLiteral("power-on")},
                           {QStringLiteral("text"), QStringLiteral("text-file"), QStringLiteral("entry"),
                            QStringLiteral("timer")});
    if (!options.parse(args.mid(1)) || !options.positional().isEmpty())
        return ctx.usage(QString::fromUtf8(kUsage));
    request.secondButton = options.isSet(QStringLiteral("append"));
    request.powerOn = options.isSet(QStringLiteral("power-on"));
    if (options.isSet(QStringLiteral("entry")))
        request.entryNumber = options.value(QStringLiteral("entry"));
    if (options.isSet(QStringLiteral("timer")))
        request.timer = options.value(QStringLiteral("timer"));
    std::optional<QString> text;
    if (options.isSet(QStringLiteral("text")))
        text = options.value(QStringLiteral("text"));
    const QString textFile = options.value(QStringLiteral("text-file"));
    if (text && !textFile.isEmpty())
        return ctx.usage(QString::fromUtf8(kUsage));
    if (!textFile.isEmpty()) {
        text = ReadTextFile(ctx, textFile);
        if (!text)
            return 1;
    }

    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    request.target = *target;

    // Choosing the mode first, as the window does: it brings back the last text of a
    // built-in-font mode and loads (or creates) the entry list of the others.
    const RecordStore store(ctx.folder);
    ScrollTextCache cache;
    const SendModeSelection selection = SelectSendMode(mode, target->specifiedAddress, cache, store, ctx.prompter);
    if (!selection.editorText)
        return 1;
    request.editorText = text.value_or(*selection.editorText);

    const ScrollSendOutcome outcome = SendScroll(request, *ctx.link, ctx.prompter, store, cache);
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
