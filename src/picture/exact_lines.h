#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The lines of a code page 936 settings file split at every CR LF, so that an empty
// last line (an empty editor text at the end of a record) still counts as a line.
// Nothing when the file is missing or no regular file of a settings file's size.
std::optional<QStringList> ReadExactLines(const QString& path);

// A field of such a file that holds an item index of a selector: target takes the index
// when it is one of the items, and keeps its value otherwise.
void ApplyIndexField(const QString& field, const QStringList& items, int& target);
// A field that holds a tick box: "0" or "1".
std::optional<bool> TickField(const QString& field);

} // namespace kv
