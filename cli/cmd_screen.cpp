// kvctl video-mode, screen-settings and crosshair: the video mode, the stored screen
// settings and the crosshair shape of the panel "应用测试（串口）".

#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "control/screen_setup.h"
#include "control/test_selectors.h"

namespace kv::cli {

int RunVideoMode(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral("video-mode M [--store]   (M 0-5: PAL auto, internal, external; NTSC the same)");
    CommandOptions options({QStringLiteral("store")}, {});
    if (!options.parse(args) || options.positional().size() != 1)
        return ctx.usage(usage);
    const auto mode = NumberIn(options.positional().first(), 0, int(VideoModeSelector().items.size()) - 1);
    if (!mode)
        return ctx.usage(usage);
    const Outcome outcome = options.isSet(QStringLiteral("store"))
        ? StoreVideoMode(*mode, *ctx.link, ctx.prompter)
        : TryVideoMode(ctx.deviceAddress(), *mode, *ctx.link, ctx.prompter);
    return ctx.finish(outcome);
}

int RunScreenSettings(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral(
        "screen-settings [--hoffset H] [--voffset V] [--shape S] [--row R] [--column C]\n"
        "                (H 0-63, V 0-31, S 0-21, R 3-13, C 4-26; defaults 30, 18, 0, 8, 16)");
    ScreenSettingsInput input;
    const QList<std::tuple<QString, TestSelector, int*>> values = {
        {QStringLiteral("hoffset"), HorizontalOffsetSelector(), &input.horizontalOffset},
        {QStringLiteral("voffset"), VerticalOffsetSelector(), &input.verticalOffset},
        {QStringLiteral("shape"), ShapeSelector(), &input.shape},
        {QStringLiteral("row"), RowSelector(), &input.rowIndex},
        {QStringLiteral("column"), ColumnSelector(), &input.columnIndex},
    };
    QStringList names;
    for (const auto& value : values)
        names << std::get<0>(value);
    CommandOptions options({}, names);
    if (!options.parse(args) || !options.positional().isEmpty())
        return ctx.usage(usage);
    for (const auto& [name, selector, field] : values) {
        *field = options.isSet(name) ? IndexOfShown(selector, options.value(name)) : selector.startIndex;
        if (*field < 0)
            return ctx.usage(usage);
    }
    return ctx.finish(StoreScreenSettings(input, *ctx.link, ctx.prompter));
}

int RunCrosshair(CliContext& ctx, const QStringList& args)
{
    if (args.size() != 1)
        return ctx.usage();
    const QString& what = args.first();
    if (what == QLatin1String("get")) {
        const CrosshairOutcome read = ReadCrosshairShape(*ctx.link, ctx.prompter);
        if (!read.shape)
            return ctx.finish(read.result);
        PrintOut(QString::number(*read.shape));
        return 0;
    }
    if (what != QLatin1String("up") && what != QLatin1String("down"))
        return ctx.usage();
    const CrosshairOutcome outcome = StepCrosshair(
        what == QLatin1String("up") ? CrosshairStep::Next : CrosshairStep::Previous, *ctx.link, ctx.prompter);
    // The window shows the stepped shape even when the unit does not echo it; a script
    // is given a shape only when the unit took it.
    if (outcome.result.done())
        PrintOut(QString::number(*outcome.shape));
    return ctx.finish(outcome.result);
}

} // namespace kv::cli
