#include "picture_options.h"

#include "base/app_folder.h"
#include "base/unit_text.h"
#include "cli_context.h"
#include "picture/page_selectors.h"
#include "text_file.h"

#include <QBuffer>

namespace kv::cli {

bool ReadIndexOption(CommandOptions& options, const QString& name, const QStringList& items, int& index)
{
    return options.readNumber(name, 0, int(items.size()) - 1, index);
}

bool ReadShiftOption(CommandOptions& options, int& index)
{
    return options.readShift(QStringLiteral("vshift"), int(VerticalShiftItems().size()), kNoVerticalShift, index);
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
