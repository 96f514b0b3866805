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
// beside it (UnfinishedWritePath) and a rename, so a crash or a full disk never leaves
// a truncated file. On failure the old file stays and *error says why. A path that is
// there but is no regular file (a FIFO, a device, a folder) is refused.
bool WriteTextFile(const QString& path, const QString& content, QString* error = nullptr);
bool WriteBinaryFile(const QString& path, const QByteArray& content, QString* error = nullptr);
// WriteTextFile for a file of savefiles, the folder made first when it is missing; on
// failure *error is the whole message (FileWriteErrorText) naming what failed.
bool WriteSettingsFile(const AppFolder& folder, const QString& name, const QString& content, QString* error);

// The bytes of a text file: the content in code page 936; nothing when a character
// has no code there, and then *error names it.
std::optional<QByteArray> TextFileBytes(const QString& content, QString* error);

// What refuses a send whose text the record written after it could not hold: the
// message naming the character that code page 936 has no code for; empty when the
// text can be kept. Checked before the send, so a send is never reported done while
// its record is lost.
QString UnkeepableTextMessage(const QString& content);

// The temporary file of a write in progress: "NAME.kvsave". The suffix is the
// program's own, so what a killed write left behind can be told from the operator's
// files.
inline constexpr QLatin1String kUnfinishedWriteSuffix{".kvsave"};
QString UnfinishedWritePath(const QString& path);

// Removes the temporary files of writes that a kill or a crash interrupted, in the
// application folder and in savefiles; the files themselves kept their old content.
// Both programs call it as they start. Returns how many were removed.
int RemoveUnfinishedWrites(const AppFolder& folder);

// The first line of a code page 936 text file, read from its first 4 KiB; nothing
// when there is no such regular file.
std::optional<QString> ReadFirstLine(const QString& path);
// The whole of a code page 936 text file, as it was written; nothing when there is no
// such regular file or it is larger than any file the program writes (256 KiB).
std::optional<QString> ReadWholeText(const QString& path);
// All lines of such a file (CR LF, LF or CR separated).
std::optional<QStringList> ReadTextLines(const QString& path);

// A one-value settings file holding an index below `choices`; nothing when the file is
// missing or holds anything else.
std::optional<int> ReadIndexSetting(const QString& path, int choices);

// The message shown when a file could not be written.
QString FileWriteErrorText(const QString& path, const QString& reason);

} // namespace kv
