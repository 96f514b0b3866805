#pragma once

#include "base/record_store.h"

#include <QString>
#include <QStringList>

namespace kv {

// Numbered lists kept as records: one line per item stored in the units, numbered
// from 1, "[0n]:" below 10 and "[n]:" from 10, then the item's description.

// The text of an item the tool knows nothing about.
QString UnknownItemText();
// "[05]:" for 5, "[16]:" for 16.
QString NumberedLabel(int number);
// count lines, each its label and the unknown-item text.
QStringList PlaceholderList(int count);

// The list made whole. A list of count lines stands as it is; in one of another length
// every line goes to the number its label names (the first line of a number wins), a
// line with no label of the list's numbers is dropped, and a number no line names gets
// the placeholder line.
QStringList CompleteNumberedList(const QStringList& lines, int count);

// The most bytes a list of count lines takes in code page 936 when no description is
// longer than descriptionBytes: the bound its reader needs to read back every list the
// program can write.
qint64 NumberedListBytes(int count, qint64 descriptionBytes);

// The list as stored, read within limit bytes. A missing list, or one of another length
// (cut short by hand or by another program), is written back made whole at once, so a
// list always holds its count lines. *error is set when that write failed. A list that
// is there but cannot be read (larger than limit, unreadable) holds what the operator
// cannot get back: it is left as it is, no lines are given and *error says why.
QStringList LoadNumberedList(const RecordStore& store, const QString& name, int count, qint64 limit,
                             QString* error);

// Puts the description of item number (1 to count) into the list, the other lines as
// they were, the list made whole first. False when the number is outside the list, the
// list cannot be read (it is left as it is) or the write failed (*error).
bool RecordNumberedItem(const RecordStore& store, const QString& name, int count, qint64 limit, int number,
                        const QString& description, QString* error);

// A line as the editor shows it: whole up to 64 bytes in code page 936, else cut right
// after the character that brings the count above 64, followed by " …".
QString ShortenListLine(const QString& line);
// The lines shortened and joined by CR LF.
QString ListDisplayText(const QStringList& lines);

} // namespace kv
