#include "base/help_file.h"

#include "base/app_folder.h"
#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/language.h"
#include "base/line_ends.h"
#include "text/operator_text.h"

#include <QDir>

namespace kv {

namespace {
// Help texts are a few pages; a file far larger than that is not one.
constexpr qint64 kHelpFileLimit = 1024 * 1024;
} // namespace

QString HelpFolderName(Language language)
{
    return language == Language::English ? QStringLiteral("help/en") : QStringLiteral("help");
}

QString ReadHelpText(const AppFolder& folder, const QString& fileName)
{
    const BoundedRead read = ReadWholeFile(QDir(folder.path(HelpFolderName(CurrentLanguage()))).filePath(fileName), kHelpFileLimit);
    if (!read.ok())
        return Text::tr("帮助文件未找到");
    return JoinLines(SplitLines(DecodeUtf8OrCp936(read.bytes)));
}

QString HelpCaption(const QString& topic)
{
    return Text::tr("使用帮助---%1").arg(topic);
}

} // namespace kv
