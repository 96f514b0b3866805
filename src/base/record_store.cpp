#include "base/record_store.h"

#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/line_ends.h"
#include "text/operator_text.h"

#include <QFileInfo>

namespace kv {

QString RecordStore::path(const QString& name) const
{
    return folder_.settingsPath(name + QStringLiteral(".TXT"));
}

bool RecordStore::exists(const QString& name) const
{
    return QFileInfo(path(name)).isFile();
}

std::optional<QStringList> RecordStore::readLines(const QString& name) const
{
    QString unreadable;
    return readLines(name, kTextFileLimit, &unreadable);
}

std::optional<QStringList> RecordStore::readLines(const QString& name, qint64 limit, QString* problem) const
{
    const BoundedRead read = ReadWholeFile(path(name), limit);
    if (read.failure == ReadFailure::Missing)
        return std::nullopt;
    if (!read.ok()) {
        *problem = ReadFailureText(path(name), read, limit);
        return std::nullopt;
    }
    return SplitLines(DecodeCp936(read.bytes));
}

QString RecordStore::readText(const QString& name) const
{
    return ReadWholeText(path(name)).value_or(QString());
}

bool RecordStore::write(const QString& name, const QString& text, QString* error) const
{
    if (!folder_.ensureSettingsFolder()) {
        if (error)
            *error = FileWriteErrorText(folder_.settingsFolder(), Text::tr("无法创建文件夹"));
        return false;
    }
    QString reason;
    if (!WriteTextFile(path(name), text, &reason)) {
        if (error)
            *error = FileWriteErrorText(path(name), reason);
        return false;
    }
    return true;
}

bool RecordStore::writeLines(const QString& name, const QStringList& lines, QString* error) const
{
    return write(name, JoinLines(lines), error);
}

} // namespace kv
