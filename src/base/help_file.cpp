#include "base/help_file.h"

#include "base/app_folder.h"
#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/line_ends.h"

#include <QDir>

namespace kv {

namespace {
// Help texts are a few pages; a file far larger than that is not one.
constexpr qint64 kHelpFileLimit = 1024 * 1024;
} // namespace

QString ReadHelpText(const AppFolder& folder, const QString& fileName)
{
    const BoundedRead read = ReadWholeFile(QDir(folder.path(QStringLiteral("help"))).filePath(fileName), kHelpFileLimit);
    if (!read.ok())
        return QStringLiteral("帮助文件未找到");
    return JoinLines(SplitLines(DecodeUtf8OrCp936(read.bytes)));
}

QString HelpCaption(const QString& topic)
{
    return QStringLiteral("使用帮助---") + topic;
}

} // namespace kv
