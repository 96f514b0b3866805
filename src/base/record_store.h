#pragma once

#include "base/app_folder.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The records of the application folder: a record is savefiles/NAME.TXT, a code page
// 936 text written whole and read back whole or line by line (CR LF between lines,
// none after the last).
class RecordStore {
public:
    explicit RecordStore(const AppFolder& folder) : folder_(folder) {}

    QString path(const QString& name) const;
    bool exists(const QString& name) const;

    // The record's lines; nothing when the record does not exist or cannot be read.
    std::optional<QStringList> readLines(const QString& name) const;
    // The record's lines, read whole when it holds at most limit bytes. Nothing when the
    // record does not exist; nothing, with *problem the message to show, when it is there
    // but cannot be read (larger than limit, no regular file, unreadable): a record that
    // must not be lost is then left as it is.
    std::optional<QStringList> readLines(const QString& name, qint64 limit, QString* problem) const;
    // The record whole, as it was written, line breaks at its end included; empty when
    // the record does not exist.
    QString readText(const QString& name) const;

    // Writes the record whole, creating savefiles when it is missing. On failure the
    // old record stays and *error holds the message to show.
    bool write(const QString& name, const QString& text, QString* error) const;
    bool writeLines(const QString& name, const QStringList& lines, QString* error) const;

private:
    AppFolder folder_;
};

} // namespace kv
