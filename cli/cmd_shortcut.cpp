// kvctl shortcut: the shortcut editor's "保存" with the segments given in order, and the
// record of what each shortcut holds.

#include "base/record_store.h"
#include "base/send_modes.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "scroll/entry_list.h"
#include "scroll/shortcut_editor.h"
#include "scroll/shortcut_save.h"
#include "scroll/shortcut_segments.h"

namespace kv::cli {

namespace {
const char* const kUsage =
    "shortcut save N [--small] [--power-on] SEGMENT...   (N from 1 to 16; SEGMENT chr:TEXT or pic:M)\n"
    "       kvctl [global options] shortcut list";

int list(CliContext& ctx)
{
    QString error;
    const QStringList lines = LoadEntryList(kModeShortcut, RecordStore(ctx.folder), &error);
    if (!error.isEmpty()) {
        ctx.prompter.error(error);
        return 1;
    }
    for (const QString& line : lines)
        PrintOut(line);
    return 0;
}

// Each segment goes through "<< 添加" in its mode, so a segment the editor would refuse
// stops the command with the editor's message before anything is sent.
bool compose(CliContext& ctx, const QStringList& segments, ShortcutEditor& editor)
{
    for (const QString& segment : segments) {
        const bool characters = segment.startsWith(QLatin1String("chr:"), Qt::CaseInsensitive);
        editor.setMode(characters ? ShortcutEditor::Mode::Characters : ShortcutEditor::Mode::PictureMessage);
        if (!editor.add(segment.mid(4), ctx.prompter).added)
            return false;
    }
    return true;
}

bool isSegment(const QString& word)
{
    return word.startsWith(QLatin1String("chr:"), Qt::CaseInsensitive)
           || word.startsWith(QLatin1String("pic:"), Qt::CaseInsensitive);
}
} // namespace

int RunShortcut(CliContext& ctx, const QStringList& args)
{
    const QString usage = QString::fromUtf8(kUsage);
    if (args.value(0) == QLatin1String("list"))
        return args.size() == 1 ? list(ctx) : ctx.usage(usage);
    if (args.value(0) != QLatin1String("save"))
        return ctx.usage(usage);

    CommandOptions options({QStringLiteral("small"), QStringLiteral("power-on")}, {});
    if (!options.parse(args.mid(1)) || options.positional().isEmpty())
        return ctx.usage(usage);
    QStringList words = options.positional();
    const auto number = NumberIn(words.takeFirst(), 1, kShortcutCount);
    if (!number)
        return ctx.usage(usage);
    for (const QString& word : words)
        if (!isSegment(word))
            return ctx.usage(usage);

    ShortcutEditor editor;
    if (!compose(ctx, words, editor))
        return 1;
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;

    ShortcutSaveRequest request;
    request.number = *number;
    request.small = options.isSet(QStringLiteral("small"));
    request.powerOn = options.isSet(QStringLiteral("power-on"));
    request.composition = editor.compositionText();
    request.target = *target;
    return ctx.finish(SaveShortcut(request, *ctx.link, ctx.prompter, RecordStore(ctx.folder)));
}

} // namespace kv::cli
