#include "text_file.h"

#include "base/bounded_read.h"
#include "base/cp936.h"
#include "cli_context.h"
#include "text/operator_text.h"

#include <QDir>

namespace kv::cli {

std::optional<QString> ReadTextFile(CliContext& ctx, const QString& path)
{
    const BoundedRead read = ReadWholeFile(path, kScrollTextFileLimit);
    if (!read.ok()) {
        ctx.prompter.error(ReadFailureText(path, read, kScrollTextFileLimit));
        return std::nullopt;
    }
    bool readable = false;
    const QString text = DecodeUtf8OrCp936(read.bytes, &readable);
    if (!readable) {
        ctx.prompter.error(Text::tr("文件 %1 既不是 UTF-8 文本，也不是 GBK（代码页 936）文本")
                               .arg(QDir::toNativeSeparators(path)));
        return std::nullopt;
    }
    return text;
}

} // namespace kv::cli
