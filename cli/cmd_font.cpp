// kvctl font: the font panel's file and transfer operations for scripts.

#include "app/shipped_files.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "font/font_document.h"
#include "font/font_fingerprint.h"
#include "font/font_interchange.h"
#include "font/font_source.h"
#include "font/font_transfer.h"
#include "link/device_address.h"

#include <QFile>

namespace kv::cli {

namespace {

const QString kFontUsage = QStringLiteral(
    "font export-c [--in FILE]\n"
    "       font convert IN OUT [--separated]\n"
    "       font read --out FILE [--separated]\n"
    "       font write [--in FILE]\n"
    "       font write-char CODE [--in FILE]\n"
    "       font download FILE\n"
    "       font fingerprint [--in FILE]\n"
    "  FILE: .bin, .mcm or .png; --separated writes PNG sheets with one-pixel separators");

// Arguments of one font command: the positional ones and the few options.
struct FontArgs {
    QStringList positional;
    QString in;
    QString out;
    bool separated = false;
};

std::optional<FontArgs> parseFontArgs(const QStringList& args)
{
    CommandOptions options({QStringLiteral("separated")}, {QStringLiteral("in"), QStringLiteral("out")});
    if (!options.parse(args))
        return std::nullopt;
    return FontArgs{options.positional(), options.value(QStringLiteral("in")), options.value(QStringLiteral("out")),
                    options.isSet(QStringLiteral("separated"))};
}

// The font of FILE, or the font kvtool would load at its start in this folder.
std::optional<FontDocument> fontFrom(CliContext& ctx, const QString& file)
{
    FontDocument font(ctx.folder, ctx.prompter);
    if (file.isEmpty())
        font.openStartup(ShippedFile(kLocalFontFile));
    else if (!font.importFile(file).done())
        return std::nullopt;
    return font;
}

PngLayout layoutOf(const FontArgs& a)
{
    return a.separated ? PngLayout::Separated : PngLayout::Plain;
}

bool knownFormat(CliContext& ctx, const QString& path)
{
    if (FontFormatOf(path))
        return true;
    ctx.prompter.error(QStringLiteral("%1：文件类型应为.bin、.mcm或.png").arg(path));
    return false;
}

int exportC(CliContext& ctx, const FontArgs& a)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty())
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    return ctx.finish(font->exportC());
}

int convert(CliContext& ctx, const FontArgs& a)
{
    if (a.positional.size() != 2 || !a.in.isEmpty() || !a.out.isEmpty())
        return ctx.usage(kFontUsage);
    if (!knownFormat(ctx, a.positional.at(1)))
        return 1;
    const auto font = fontFrom(ctx, a.positional.at(0));
    if (!font)
        return 1;
    return ctx.finish(font->exportFile(a.positional.at(1), layoutOf(a)));
}

int readFont(CliContext& ctx, const FontArgs& a, quint8 address)
{
    if (!a.positional.isEmpty() || a.out.isEmpty() || !a.in.isEmpty())
        return ctx.usage(kFontUsage);
    if (!knownFormat(ctx, a.out))
        return 1;
    const auto table = ReadWholeFont(address, *ctx.link, ctx.prompter);
    if (!table)
        return 1;
    FontDocument font(ctx.folder, ctx.prompter);
    font.takeUnitFont(*table);
    return ctx.finish(font.exportFile(a.out, layoutOf(a)));
}

int writeFont(CliContext& ctx, const FontArgs& a, quint8 address)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty())
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    return ctx.finish(WriteWholeFont(font->table(), address, *ctx.link, ctx.prompter).result);
}

int writeChar(CliContext& ctx, const FontArgs& a, quint8 address)
{
    const auto code = a.positional.size() == 1 ? NumberIn(a.positional.first(), 0, kGlyphCount - 1) : std::nullopt;
    if (!code || !a.out.isEmpty())
        return ctx.usage(QStringLiteral("font write-char CODE [--in FILE]   (CODE from 0 to 255)"));
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    return ctx.finish(WriteOneCharacter(font->table(), *code, address, *ctx.link, ctx.prompter));
}

int fingerprint(CliContext& ctx, const FontArgs& a)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty() || a.separated)
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    ctx.prompter.message(FontFingerprintText(font->table()));
    return 0;
}

int download(CliContext& ctx, const FontArgs& a)
{
    if (a.positional.size() != 1 || !a.in.isEmpty() || !a.out.isEmpty())
        return ctx.usage(kFontUsage);
    if (!QFile::exists(a.positional.first())) {
        ctx.prompter.error(QStringLiteral("文件不存在：") + a.positional.first());
        return 1;
    }
    return ctx.finish(StartFontDownload(*ctx.link, ctx.prompter));
}

} // namespace

int RunFont(CliContext& ctx, const QStringList& args)
{
    if (args.isEmpty())
        return ctx.usage(kFontUsage);
    const QString sub = args.first();
    const auto parsed = parseFontArgs(args.mid(1));
    if (!parsed)
        return ctx.usage(kFontUsage);
    if (sub == QLatin1String("export-c"))
        return exportC(ctx, *parsed);
    if (sub == QLatin1String("convert"))
        return convert(ctx, *parsed);
    if (sub == QLatin1String("download"))
        return download(ctx, *parsed);
    if (sub == QLatin1String("fingerprint"))
        return fingerprint(ctx, *parsed);
    if (sub != QLatin1String("read") && sub != QLatin1String("write") && sub != QLatin1String("write-char"))
        return ctx.usage(kFontUsage);
    const auto address = DeviceAddressByte(ctx.deviceAddress(), ctx.prompter);
    if (!address)
        return 1;
    if (sub == QLatin1String("read"))
        return readFont(ctx, *parsed, *address);
    if (sub == QLatin1String("write"))
        return writeFont(ctx, *parsed, *address);
    return writeChar(ctx, *parsed, *address);
}

} // namespace kv::cli
