#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The application folder: the settings folder "savefiles", data.txt, the font files
// and help/ live here. kvtool and kvctl on the same folder see the same settings.
class AppFolder {
public:
    explicit AppFolder(const QString& root);

    // The folder of the executable when it is writable, else the per-user data folder.
    static QString defaultRoot();

    const QString& root() const { return root_; }
    QString path(const QString& name) const;          // a file of the application folder
    QString settingsPath(const QString& name) const;  // a file of savefiles
    QString settingsFolder() const;

    // Creates savefiles when it is missing; false when it cannot be created.
    bool ensureSettingsFolder() const;

private:
    QString root_;
};

// Writes content as the whole of the file, in code page 936, through a temporary file
// in the same folder and a rename, so a crash or a full disk never leaves a truncated
// file. On failure the old file stays and *error says why.
bool WriteTextFile(const QString& path, const QString& content, QString* error = nullptr);
bool WriteBinaryFile(const QString& path, const QByteArray& content, QString* error = nullptr);

// The first line of a code page 936 text file; nothing when the file does not exist.
std::optional<QString> ReadFirstLine(const QString& path);
// All lines of a code page 936 text file (CR LF, LF or CR separated); nothing when the
// file does not exist.
std::optional<QStringList> ReadTextLines(const QString& path);

// A one-value settings file holding an index below `choices`; nothing when the file is
// missing or holds anything else.
std::optional<int> ReadIndexSetting(const QString& path, int choices);

// The message shown when a file could not be written.
QString FileWriteErrorText(const QString& path, const QString& reason);

} // namespace kv
