#pragma once

#include "app/record_store.h"

#include <QString>
#include <QStringList>

namespace kv {

// The record "ZhKj16": what the program knows each of the units' 16 shortcuts holds.

// Puts the description of shortcut number (1 to 16) into the record. The other lines
// stay as read; lines the record lacks up to the 16th are rebuilt with the unknown-item
// text, and a missing record is created that way. False when the number is outside the
// list or the record could not be written (*error).
bool RecordShortcutDescription(const RecordStore& store, int number, const QString& description, QString* error);

} // namespace kv
