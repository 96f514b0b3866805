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
#include "text/operator_text.h"

#include <QFile>

namespace kv::cli {

namespace {

const QString kFontUsage = QStringLiteral(
    "font export-c [--in FILE]\n"
    "       font convert IN OUT [--separated]\n"
    "       font read --out FILE [--separated] [--retries N]\n"
    "       font write [--in FILE] [--from CODE] [--retries N] [--verify]\n"
    "       font write-char CODE [--in FILE]\n"
    "       font verify [--in FILE] [--retries N]\n"
    "       font download FILE\n"
    "       font fingerprint [--in FILE]\n"
    "  FILE: .bin, .mcm or .png; --separated writes PNG sheets with one-pixel separators\n"
    "  --from CODE: 0 to 255; --retries N: 0 to 5, how often a character is sent again");

// Arguments of one font command: the positional ones and the few options.
struct FontArgs {
    QStringList positional;
    QString in;
    QString out;
    bool separated = false;
    // Given only where the subcommand takes them.
    bool fromGiven = false;
    bool retriesGiven = false;
    FontWriteOptions write;
};

// The arguments, or nothing (after the reason, for a number out of its range) on a
// usage error.
std::optional<FontArgs> parseFontArgs(const QStringList& args)
{
    CommandOptions options({QStringLiteral("separated"), QStringLiteral("verify")},
                           {QStringLiteral("in"), QStringLiteral("out"), QStringLiteral("from"), QStringLiteral("retries")});
    if (!options.parse(args))
        return std::nullopt;
    FontArgs a;
    a.positional = options.positional();
    a.in = options.value(QStringLiteral("in"));
    a.out = options.value(QStringLiteral("out"));
    a.separated = options.isSet(QStringLiteral("separated"));
    a.fromGiven = options.isSet(QStringLiteral("from"));
    a.retriesGiven = options.isSet(QStringLiteral("retries"));
    a.write.verify = options.isSet(QStringLiteral("verify"));
    if (!options.readNumber(QStringLiteral("from"), 0, kGlyphCount - 1, a.write.from)
        || !options.readNumber(QStringLiteral("retries"), 0, kMostCharacterRetries, a.write.retries)) {
        PrintErr(options.problem());
        return std::nullopt;
    }
    return a;
}

// The options only a whole-font write takes, and those of every transfer.
bool writeOptionsGiven(const FontArgs& a)
{
    return a.fromGiven || a.write.verify;
}

bool transferOptionsGiven(const FontArgs& a)
{
    return writeOptionsGiven(a) || a.retriesGiven;
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
    ctx.prompter.error(Text::tr("%1：文件类型应为.bin、.mcm或.png").arg(path));
    return false;
}

int exportC(CliContext& ctx, const FontArgs& a)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty() || transferOptionsGiven(a))
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    return ctx.finish(font->exportC());
}

int convert(CliContext& ctx, const FontArgs& a)
{
    if (a.positional.size() != 2 || !a.in.isEmpty() || !a.out.isEmpty() || transferOptionsGiven(a))
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
    if (!a.positional.isEmpty() || a.out.isEmpty() || !a.in.isEmpty() || writeOptionsGiven(a))
        return ctx.usage(kFontUsage);
    if (!knownFormat(ctx, a.out))
        return 1;
    const FontReadOutcome read = ReadWholeFont(address, *ctx.link, ctx.prompter, a.write.retries);
    if (!read.font)
        return ctx.finish(read.result);
    ctx.prompter.message(FontFingerprintText(*read.font));
    FontDocument font(ctx.folder, ctx.prompter);
    font.takeUnitFont(*read.font);
    return ctx.finish(font.exportFile(a.out, layoutOf(a)));
}

int writeFont(CliContext& ctx, const FontArgs& a, quint8 address)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty() || a.separated)
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    const FontWriteOutcome outcome = WriteWholeFont(font->table(), address, *ctx.link, ctx.prompter, a.write);
    if (outcome.stoppedAt >= 0)
        PrintErr(Text::tr("可用 --from %1 继续写入").arg(outcome.stoppedAt));
    if (outcome.result.done())
        ctx.prompter.message(FontFingerprintText(font->table()));
    return ctx.finish(outcome.result);
}

int verifyFont(CliContext& ctx, const FontArgs& a, quint8 address)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty() || a.separated || writeOptionsGiven(a))
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    return ctx.finish(VerifyFont(font->table(), address, *ctx.link, ctx.prompter, a.write.retries));
}

int writeChar(CliContext& ctx, const FontArgs& a, quint8 address)
{
    const auto code = a.positional.size() == 1 ? NumberIn(a.positional.first(), 0, kGlyphCount - 1) : std::nullopt;
    if (!code || !a.out.isEmpty() || transferOptionsGiven(a))
        return ctx.usage(QStringLiteral("font write-char CODE [--in FILE]   (CODE from 0 to 255)"));
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    return ctx.finish(WriteOneCharacter(font->table(), *code, address, *ctx.link, ctx.prompter));
}

int fingerprint(CliContext& ctx, const FontArgs& a)
{
    if (!a.positional.isEmpty() || !a.out.isEmpty() || a.separated || transferOptionsGiven(a))
        return ctx.usage(kFontUsage);
    const auto font = fontFrom(ctx, a.in);
    if (!font)
        return 1;
    ctx.prompter.message(FontFingerprintText(font->table()));
    return 0;
}

int download(CliContext& ctx, const FontArgs& a)
{
    if (a.positional.size() != 1 || !a.in.isEmpty() || !a.out.isEmpty() || transferOptionsGiven(a))
        return ctx.usage(kFontUsage);
    if (!QFile::exists(a.positional.first())) {
        ctx.prompter.error(Text::tr("文件不存在：%1").arg(a.positional.first()));
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
    if (sub != QLatin1String("read") && sub != QLatin1String("write") && sub != QLatin1String("write-char")
        && sub != QLatin1String("verify"))
        return ctx.usage(kFontUsage);
    const auto address = DeviceAddressByte(ctx.deviceAddress(), ctx.prompter);
    if (!address)
        return ctx.finish(address.refusal());
    if (sub == QLatin1String("read"))
        return readFont(ctx, *parsed, *address);
    if (sub == QLatin1String("write"))
        return writeFont(ctx, *parsed, *address);
    if (sub == QLatin1String("verify"))
        return verifyFont(ctx, *parsed, *address);
    return writeChar(ctx, *parsed, *address);
}

} // namespace kv::cli
