#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// Line ends of the application folder's text files and of the texts shown to the
// operator: CR LF between lines and none after the last.

inline const QString kCrLf = QStringLiteral("\r\n");

// The lines of a text whose lines end in CR LF, LF or CR. A line end at the very end
// starts no further line; an empty text is one empty line.
QStringList SplitLines(const QString& text);

// The lines with CR LF between them and none after the last.
QString JoinLines(const QStringList& lines);

} // namespace kv
