// kvctl page: the logo and static edit page, "字符下载" / "下载图片" and "修改参数".
// Options left out take the page record of the kind, else the page's defaults.

#include "base/display_effects.h"
#include "base/record_store.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "picture/edit_page.h"
#include "picture/page_operations.h"
#include "picture/page_selectors.h"
#include "picture/vertical_text.h"
#include "picture_options.h"

namespace kv::cli {

namespace {
const char* const kUsage =
    "page KIND download (--text T | --text-file F | --picture FILE) [--font NAME] [--size S] [--bold]\n"
    "          [--spacing L] [--extra E] [--vshift V] [--vertical] [--hoffset H] [--vpos P] [--brightness B]\n"
    "          [--background G] [--threshold N] [--power-on] [--preview PNG]\n"
    "page KIND change-params [--slot I] [--hoffset H] [--vpos P] [--brightness B] [--background G] [--power-on]\n"
    "     (KIND: logo-text | static-text | logo-picture | static-picture)";

std::optional<EditPageKind> kindNamed(const QString& name)
{
    const QStringList names = {QStringLiteral("logo-text"), QStringLiteral("static-text"),
                               QStringLiteral("logo-picture"), QStringLiteral("static-picture")};
    const qsizetype index = names.indexOf(name);
    if (index < 0)
        return std::nullopt;
    return EditPageKind(index);
}

// The display options both actions share; false on a usage error.
bool readDisplayOptions(CommandOptions& options, EditPage& page)
{
    if (options.isSet(QStringLiteral("vpos")))
        page.verticalPosition = options.value(QStringLiteral("vpos"));
    if (options.isSet(QStringLiteral("power-on")))
        page.powerOn = true;
    return ReadIndexOption(options, QStringLiteral("hoffset"), PageHorizontalOffsetItems(), page.horizontalOffset)
           && ReadIndexOption(options, QStringLiteral("brightness"), BrightnessItems(), page.brightness)
           && ReadIndexOption(options, QStringLiteral("background"), PageBackgroundItems(), page.background);
}

int download(CliContext& ctx, const QStringList& args, EditPage page, const RecordStore& store)
{
    CommandOptions options({QStringLiteral("bold"), QStringLiteral("vertical"), QStringLiteral("power-on")},
                           {QStringLiteral("text"), QStringLiteral("text-file"), QStringLiteral("picture"),
                            QStringLiteral("font"), QStringLiteral("size"), QStringLiteral("spacing"),
                            QStringLiteral("extra"), QStringLiteral("vshift"), QStringLiteral("hoffset"),
                            QStringLiteral("vpos"), QStringLiteral("brightness"), QStringLiteral("background"),
                            QStringLiteral("threshold"), QStringLiteral("preview")});
    const auto usage = [&] { return ctx.usage(QString::fromUtf8(kUsage), options.problem()); };
    if (!options.parse(args) || !options.positional().isEmpty())
        return usage();
    const bool picture = IsPictureKind(page.kind);
    const bool textGiven = options.isSet(QStringLiteral("text")) || options.isSet(QStringLiteral("text-file"));
    if ((options.isSet(QStringLiteral("text")) && options.isSet(QStringLiteral("text-file")))
        || (picture && textGiven) || (picture != options.isSet(QStringLiteral("picture"))))
        return usage();
    if (options.isSet(QStringLiteral("power-on")) && PowerOnLocked(page.kind))
        return usage();
    if (options.isSet(QStringLiteral("font")))
        page.fontName = options.value(QStringLiteral("font"));
    if (options.isSet(QStringLiteral("size")))
        page.size = options.value(QStringLiteral("size"));
    if (options.isSet(QStringLiteral("threshold")))
        page.threshold = options.value(QStringLiteral("threshold"));
    if (options.isSet(QStringLiteral("bold")))
        page.bold = true;
    if (options.isSet(QStringLiteral("vertical")))
        page.horizontal = false;
    if (!readDisplayOptions(options, page)
        || !ReadIndexOption(options, QStringLiteral("spacing"), LineSpacingItems(), page.lineSpacing)
        || !ReadIndexOption(options, QStringLiteral("extra"), ExtraHeightItems(), page.extraHeight)
        || !ReadShiftOption(options, page.verticalShift))
        return usage();
    bool failed = false;
    const auto text = ReadTextOption(ctx, options, &failed);
    if (failed)
        return 1;
    if (text && page.horizontal) {
        page.text = *text;
    } else if (text) {
        const auto turned = TurnForUse(*text, TurnedTextUse::CharacterDownload, ctx.prompter);
        if (!turned)
            return ctx.finish(turned.refusal());
        page.text = *turned;
    }
    if (!picture && page.text.isEmpty())
        return usage();

    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    const PageSendOutcome outcome =
        picture ? DownloadPagePicture(page, *target, *ctx.link, ctx.prompter, store, options.value(QStringLiteral("picture")))
                : DownloadPageText(page, *target, *ctx.link, ctx.prompter, store);
    if (!WritePreview(ctx, options, outcome.preview))
        return 1;
    return ctx.finish(outcome.result);
}

int changeParams(CliContext& ctx, const QStringList& args, EditPage page, const RecordStore& store)
{
    CommandOptions options({QStringLiteral("power-on")},
                           {QStringLiteral("slot"), QStringLiteral("hoffset"), QStringLiteral("vpos"),
                            QStringLiteral("brightness"), QStringLiteral("background")});
    if (!options.parse(args) || !options.positional().isEmpty())
        return ctx.usage(QString::fromUtf8(kUsage));
    if (options.isSet(QStringLiteral("power-on")) && PowerOnLocked(page.kind))
        return ctx.usage(QString::fromUtf8(kUsage));
    if (!readDisplayOptions(options, page) || !ReadIndexOption(options, QStringLiteral("slot"), SlotItems(), page.slot))
        return ctx.usage(QString::fromUtf8(kUsage), options.problem());
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    return ctx.finish(ChangePageParameters(page, *target, *ctx.link, ctx.prompter, store));
}
} // namespace

int RunPage(CliContext& ctx, const QStringList& args)
{
    const auto kind = kindNamed(args.value(0));
    const QString action = args.value(1);
    if (!kind || (action != QLatin1String("download") && action != QLatin1String("change-params")))
        return ctx.usage(QString::fromUtf8(kUsage));
    // The page button first, as the window's operator presses it: the kind's record
    // and its power-on box.
    const RecordStore store(ctx.folder);
    const EditPage page = OpenEditPage(*kind, EditPage{}, store);
    return action == QLatin1String("download") ? download(ctx, args.mid(2), page, store)
                                               : changeParams(ctx, args.mid(2), page, store);
}

} // namespace kv::cli
