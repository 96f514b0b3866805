// kvctl picture-text: "发送滚动" of the panel "编辑滚动信息", a text drawn with a font of
// this computer and sent as a scrolling picture.

#include "base/record_store.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "picture/font_list.h"
#include "scroll/picture_text_layout.h"
#include "scroll/picture_text_send.h"
#include "scroll/picture_text_settings.h"
#include "text/operator_text.h"

namespace kv::cli {

namespace {
const char* const kTextUsage =
    "picture-text SEND-TEXT [--font NAME] [--size S] [--bold] [--vadjust V] [--filter-noise] [--power-on] "
    "[--preview PNG]   (S 16 to 48 even, V -20 to 20)";

// The options over the settings of the last send: false on a value the panel's lists
// do not hold.
bool applyOptions(CommandOptions& options, PictureTextSettings& settings)
{
    if (options.isSet(QStringLiteral("font")))
        settings.fontName = options.value(QStringLiteral("font"));
    const QStringList& sizes = PictureTextSizeItems();
    if (!options.readNumber(QStringLiteral("size"), sizes.first().toInt(), sizes.last().toInt(), settings.size)
        || (options.isSet(QStringLiteral("size")) && !IsPictureTextSize(settings.size)))
        return false;
    if (!options.readShift(QStringLiteral("vadjust"), int(VerticalAdjustmentItems().size()), kNoVerticalAdjustment,
                           settings.verticalAdjustment))
        return false;
    if (options.isSet(QStringLiteral("bold")))
        settings.bold = true;
    if (options.isSet(QStringLiteral("filter-noise")))
        settings.filterNoise = true;
    return true;
}
} // namespace

int RunPictureText(CliContext& ctx, const QStringList& args)
{
    const QString usage = QString::fromUtf8(kTextUsage);
    CommandOptions options({QStringLiteral("bold"), QStringLiteral("filter-noise"), QStringLiteral("power-on")},
                           {QStringLiteral("font"), QStringLiteral("size"), QStringLiteral("vadjust"),
                            QStringLiteral("preview")});
    if (!options.parse(args) || options.positional().size() != 1)
        return ctx.usage(usage);
    const RecordStore store(ctx.folder);
    PictureTextRequest request;
    request.settings = LoadPictureTextSettings(store);
    if (!applyOptions(options, request.settings))
        return ctx.usage(usage, options.problem());
    request.settings.text = options.positional().first();
    request.powerOn = options.isSet(QStringLiteral("power-on"));
    request.fonts = BuildFontList();
    const auto target = ctx.targetChoice();
    if (!target)
        return 1;
    request.target = *target;

    const PictureTextOutcome outcome = SendPictureText(request, *ctx.link, ctx.prompter, store);
    if (outcome.picture.isNull())
        return ctx.finish(outcome.result);
    PrintOut(ElapsedText(outcome.elapsedMs));
    const QString preview = options.value(QStringLiteral("preview"));
    if (!preview.isEmpty() && !outcome.picture.save(preview, "PNG"))
        return ctx.finish(Refuse(ctx.prompter, Text::tr("无法写入预览图片 %1").arg(preview)));
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
