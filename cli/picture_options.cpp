#include "picture_options.h"

#include "app/app_folder.h"
#include "cli_context.h"
#include "picture/page_selectors.h"
#include "scroll/unit_text.h"
#include "text_file.h"

#include <QBuffer>

namespace kv::cli {

bool ReadIndexOption(const CommandOptions& options, const QString& name, int& index)
{
    if (!options.isSet(name))
        return true;
    bool ok = false;
    const int value = options.value(name).toInt(&ok);
    if (ok)
        index = value;
    return ok;
}

bool ReadShiftOption(const CommandOptions& options, int& index)
{
    int shift = 0;
    if (!options.isSet(QStringLiteral("vshift")))
        return true;
    if (!ReadIndexOption(options, QStringLiteral("vshift"), shift))
        return false;
    index = shift + kNoVerticalShift;
    return true;
}

std::optional<QString> ReadTextOption(CliContext& ctx, const CommandOptions& options, bool* failed)
{
    *failed = false;
    if (options.isSet(QStringLiteral("text")))
        return WithCrLfLineBreaks(options.value(QStringLiteral("text")));
    if (!options.isSet(QStringLiteral("text-file")))
        return std::nullopt;
    const std::optional<QString> text = ReadTextFile(ctx, options.value(QStringLiteral("text-file")));
    if (!text) {
        *failed = true;
        return std::nullopt;
    }
    return WithCrLfLineBreaks(*text);
}

bool WritePreview(CliContext& ctx, const CommandOptions& options, const QImage& picture)
{
    if (!options.isSet(QStringLiteral("preview")) || picture.isNull())
        return true;
    const QString path = options.value(QStringLiteral("preview"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QString reason;
    if (WriteBinaryFile(path, png, &reason))
        return true;
    ctx.prompter.error(FileWriteErrorText(path, reason));
    return false;
}

} // namespace kv::cli
