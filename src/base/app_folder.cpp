#include "base/app_folder.h"

#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/line_ends.h"
#include "text/operator_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kv {

AppFolder::AppFolder(const QString& root) : root_(QDir(root).absolutePath()) {}

QString AppFolder::path(const QString& name) const
{
    return QDir(root_).filePath(name);
}

QString AppFolder::settingsFolder() const
{
    return QDir(root_).filePath(QStringLiteral("savefiles"));
}

QString AppFolder::settingsPath(const QString& name) const
{
    return QDir(settingsFolder()).filePath(name);
}

bool AppFolder::ensureSettingsFolder() const
{
    return QDir().mkpath(settingsFolder());
}

namespace {
// A one-value settings file holds a few characters on its first line.
constexpr qint64 kFirstLineLimit = 4 * 1024;

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

// Flushes the temporary file to the disk before the rename, so that after a power
// loss the new name never points at data that was not written.
bool syncToDisk(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

QString UnfinishedWritePath(const QString& path)
{
    return path + kUnfinishedWriteSuffix;
}

bool WriteBinaryFile(const QString& path, const QByteArray& content, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    // A link is followed, so the operator's link keeps pointing at the file.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && !targetInfo.isFile())
        return fail(Text::tr("不是普通文件"));

    const QString temporary = UnfinishedWritePath(target);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(file.errorString());
    if (targetInfo.exists())
        file.setPermissions(targetInfo.permissions());
    if (file.write(content) != content.size() || !syncToDisk(file)) {
        const QString reason = file.errorString();
        file.close();
        file.remove();
        return fail(reason);
    }
    file.close();
    // std::filesystem::rename replaces the old file in one step on every platform,
    // where QFile::rename refuses an existing target.
    std::error_code failure;
    std::filesystem::rename(nativePath(temporary), nativePath(target), failure);
    if (failure) {
        QFile::remove(temporary);
        return fail(QString::fromLocal8Bit(failure.message()));
    }
    return true;
}

std::optional<QByteArray> TextFileBytes(const QString& content, QString* error)
{
    QString bad;
    auto bytes = EncodeCp936(content, &bad);
    if (!bytes && error)
        *error = Text::tr("字符“%1”无法以GBK编码保存").arg(bad);
    return bytes;
}

QString UnkeepableTextMessage(const QString& content)
{
    QString reason;
    if (TextFileBytes(content, &reason))
        return QString();
    return Text::tr("%1，发送后无法记下这段文字，所以没有发送；请删除或替换该字符").arg(reason);
}

bool WriteTextFile(const QString& path, const QString& content, QString* error)
{
    const auto bytes = TextFileBytes(content, error);
    return bytes && WriteBinaryFile(path, *bytes, error);
}

bool WriteSettingsFile(const AppFolder& folder, const QString& name, const QString& content, QString* error)
{
    QString reason;
    if (!folder.ensureSettingsFolder()) {
        if (error)
            *error = FileWriteErrorText(folder.settingsFolder(), Text::tr("无法创建文件夹"));
        return false;
    }
    if (!WriteTextFile(folder.settingsPath(name), content, &reason)) {
        if (error)
            *error = FileWriteErrorText(folder.settingsPath(name), reason);
        return false;
    }
    return true;
}

int RemoveUnfinishedWrites(const AppFolder& folder)
{
    int removed = 0;
    for (const QString& where : {folder.root(), folder.settingsFolder()}) {
        const QDir dir(where);
        const QStringList names = dir.entryList({QStringLiteral("*") + kUnfinishedWriteSuffix},
                                                QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : names)
            removed += QFile::remove(dir.filePath(name)) ? 1 : 0;
    }
    return removed;
}

std::optional<QString> ReadWholeText(const QString& path)
{
    const BoundedRead read = ReadWholeFile(path, kTextFileLimit);
    if (!read.ok())
        return std::nullopt;
    return DecodeCp936(read.bytes);
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    const auto text = ReadWholeText(path);
    if (!text)
        return std::nullopt;
    return SplitLines(*text);
}

std::optional<QString> ReadFirstLine(const QString& path)
{
    const BoundedRead read = ReadFileStart(path, kFirstLineLimit);
    if (!read.ok())
        return std::nullopt;
    return SplitLines(DecodeCp936(read.bytes)).value(0);
}

std::optional<int> ReadIndexSetting(const QString& path, int choices)
{
    const auto line = ReadFirstLine(path);
    if (!line)
        return std::nullopt;
    bool ok = false;
    const int value = line->trimmed().toInt(&ok);
    if (!ok || value < 0 || value >= choices)
        return std::nullopt;
    return value;
}

QString FileWriteErrorText(const QString& path, const QString& reason)
{
    return Text::tr("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kv
