#include "app/app_folder.h"

#include "app/cp936.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace kv {

AppFolder::AppFolder(const QString& root) : root_(QDir(root).absolutePath()) {}

QString AppFolder::defaultRoot()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo info(exeDir);
    if (!exeDir.isEmpty() && info.isDir() && info.isWritable())
        return exeDir;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

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

bool WriteBinaryFile(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool WriteTextFile(const QString& path, const QString& content, QString* error)
{
    QString bad;
    const auto bytes = EncodeCp936(content, &bad);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("字符“%1”无法以GBK编码保存").arg(bad);
        return false;
    }
    return WriteBinaryFile(path, *bytes, error);
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = DecodeCp936(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A file ending in a line end has no further line after it.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QString> ReadFirstLine(const QString& path)
{
    const auto lines = ReadTextLines(path);
    if (!lines)
        return std::nullopt;
    return lines->value(0);
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
    return QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kv
