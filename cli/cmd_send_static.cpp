// kvctl send 5 to 9: the send buttons of the static modes, with the static inputs as
// options. Options left out take the mode's parameter file, else the inputs' defaults;
// a text left out is the mode's last one.

#include "base/display_effects.h"
#include "base/send_modes.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "picture/page_selectors.h"
#include "picture/static_send.h"
#include "picture/vertical_text.h"
#include "picture_options.h"

namespace kv::cli {

namespace {
const char* const kUsage =
    "send 5 --entry N [--append] [--timer S]\n"
    "send 6 (--text T | --text-file F) [--font NAME] [--size S] [--bold] [--spacing L] [--extra E] [--vshift V]\n"
    "       [--hoffset H] [--vpos P] [--brightness B] [--background G] [--vertical] [--timer S] [--preview PNG]\n"
    "send 7 --picture FILE [--hoffset H] [--vpos P] [--brightness B] [--background G] [--timer S] [--preview PNG]\n"
    "send 8|9 (--text T | --text-file F) [--spacing L] [--hoffset H] [--vpos P] [--brightness B] [--background G]\n"
    "       [--vertical] [--timer S]";

// The options each mode takes.
struct ModeOptions {
    QStringList flags;
    QStringList valued;
};

ModeOptions optionsOf(int mode)
{
    const QStringList display = {QStringLiteral("hoffset"), QStringLiteral("vpos"), QStringLiteral("brightness"),
                                 QStringLiteral("background"), QStringLiteral("timer")};
    const QStringList text = {QStringLiteral("text"), QStringLiteral("text-file"), QStringLiteral("spacing")};
    switch (mode) {
    case kModeStoredPicture:
        return {{QStringLiteral("append")}, {QStringLiteral("entry"), QStringLiteral("timer")}};
    case kModeStaticRendered:
        return {{QStringLiteral("bold"), QStringLiteral("vertical")},
                display + text
                    + QStringList{QStringLiteral("font"), QStringLiteral("size"), QStringLiteral("extra"),
                                  QStringLiteral("vshift"), QStringLiteral("preview")}};
    case kModeStaticPicture:
        return {{}, display + QStringList{QStringLiteral("picture"), QStringLiteral("preview")}};
    default:
        return {{QStringLiteral("vertical")}, display + text};
    }
}

bool readFields(CommandOptions& options, StaticSendFields& fields)
{
    if (options.isSet(QStringLiteral("font")))
        fields.fontName = options.value(QStringLiteral("font"));
    if (options.isSet(QStringLiteral("size")))
        fields.size = options.value(QStringLiteral("size"));
    if (options.isSet(QStringLiteral("vpos")))
        fields.verticalPosition = options.value(QStringLiteral("vpos"));
    if (options.isSet(QStringLiteral("bold")))
        fields.bold = true;
    if (options.isSet(QStringLiteral("vertical")))
        fields.horizontal = false;
    return ReadIndexOption(options, QStringLiteral("spacing"), LineSpacingItems(), fields.lineSpacing)
           && ReadIndexOption(options, QStringLiteral("extra"), ExtraHeightItems(), fields.extraHeight)
           && ReadShiftOption(options, fields.verticalShift)
           && ReadIndexOption(options, QStringLiteral("hoffset"), StaticHorizontalOffsetItems(),
                              fields.horizontalOffset)
           && ReadIndexOption(options, QStringLiteral("brightness"), BrightnessItems(), fields.brightness)
           && ReadIndexOption(options, QStringLiteral("background"), StaticBackgroundItems(), fields.background);
}
} // namespace

int RunSendStatic(CliContext& ctx, int mode, const QStringList& args)
{
    const ModeOptions known = optionsOf(mode);
    CommandOptions options(known.flags, known.valued);
    const auto usage = [&] { return ctx.usage(QString::fromUtf8(kUsage), options.problem()); };
    if (!options.parse(args) || !options.positional().isEmpty())
        return usage();
    if (options.isSet(QStringLiteral("text")) && options.isSet(QStringLiteral("text-file")))
        return usage();
    if ((mode == kModeStaticPicture && !options.isSet(QStringLiteral("picture")))
        || (mode == kModeStoredPicture && !options.isSet(QStringLiteral("entry"))))
        return usage();

    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    // Choosing the mode first, as the window does: its parameter file and last text.
    const StaticModeSelection selection = SelectStaticMode(mode, StaticSendFields{}, ctx.folder, ctx.prompter);
    StaticSendRequest request;
    request.mode = mode;
    request.fields = selection.fields;
    if (!readFields(options, request.fields))
        return usage();
    bool failed = false;
    const auto text = ReadTextOption(ctx, options, &failed);
    if (failed)
        return 1;
    request.fields.text = text.value_or(selection.editorText.value_or(QString()));
    if (!request.fields.horizontal) {
        const auto turned = TurnForUse(request.fields.text, TurnedTextUseOfMode(mode), ctx.prompter);
        if (!turned)
            return ctx.finish(turned.refusal());
        request.fields.text = *turned;
    }
    request.secondButton = options.isSet(QStringLiteral("append"));
    request.entryNumber = options.value(QStringLiteral("entry"));
    request.picturePath = options.value(QStringLiteral("picture"));
    if (options.isSet(QStringLiteral("timer")))
        request.timer = options.value(QStringLiteral("timer"));
    request.target = *target;

    const StaticSendOutcome outcome = SendStatic(request, *ctx.link, ctx.prompter, ctx.folder);
    if (!WritePreview(ctx, options, outcome.preview))
        return 1;
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
