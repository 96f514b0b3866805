#pragma once

#include "app/record_store.h"

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

// The list as stored, or, when the record is missing, a new list of placeholder lines
// that is written at once. A stored list is used as read: a line beyond it is simply
// not there. *error is set when a new list could not be written.
QStringList LoadNumberedList(const RecordStore& store, const QString& name, int count, QString* error);

// A line as the editor shows it: whole up to 64 bytes in code page 936, else cut right
// after the character that brings the count above 64, followed by " …".
QString ShortenListLine(const QString& line);
// The lines shortened and joined by CR LF.
QString ListDisplayText(const QStringList& lines);

} // namespace kv
