#include "app/shipped_files.h"

#include "base/app_folder.h"
#include "base/help_file.h"
#include "base/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

namespace {
const QString kDefaultFont = QStringLiteral("hebingf.bin");

QString installedFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kvtool"));
}

// Copies the shipped texts of one help folder that the application folder lacks.
int provideHelpFolder(const AppFolder& folder, const QString& helpFolder)
{
    const QDir shipped(ShippedFile(helpFolder));
    const QDir own(folder.path(helpFolder));
    if (shipped.absolutePath() == own.absolutePath())
        return 0;
    const QStringList names = shipped.entryList({QStringLiteral("*.txt")}, QDir::Files);
    if (names.isEmpty() || !QDir().mkpath(own.absolutePath()))
        return 0;
    int copied = 0;
    for (const QString& name : names) {
        if (!QFileInfo::exists(own.filePath(name)) && QFile::copy(shipped.filePath(name), own.filePath(name)))
            ++copied;
    }
    return copied;
}
} // namespace

bool RunsInstalled()
{
    return QFileInfo::exists(QDir(installedFolder()).filePath(kDefaultFont));
}

QString ShippedFilesFolder()
{
    return RunsInstalled() ? installedFolder() : QCoreApplication::applicationDirPath();
}

QString ShippedFile(const QString& name)
{
    return QDir(ShippedFilesFolder()).filePath(name);
}

QString PerUserAppFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("kvtool"));
}

int ProvideHelpFiles(const AppFolder& folder)
{
    return provideHelpFolder(folder, HelpFolderName(Language::Chinese))
           + provideHelpFolder(folder, HelpFolderName(Language::English));
}

QString DefaultAppFolderRoot()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo info(exeDir);
    // An installed program never writes beside itself, even where it could (run by
    // root from /usr/bin, or from a prefix in the operator's home).
    if (!RunsInstalled() && !exeDir.isEmpty() && info.isDir() && info.isWritable())
        return exeDir;
    const QString data = PerUserAppFolder();
    QDir().mkpath(data);
    return data;
}

} // namespace kv
