#pragma once

#include "base/record_store.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The scroll editor's second role in the picture message and shortcut modes: it shows
// the program's record of what the units hold, one entry per line, and a click picks
// an entry for the send.

// The record behind the mode's list ("DXD", "DXX", "ZhKj16") and its fixed size.
QString EntryListRecord(int mode);
int EntryListSize(int mode);
// The bound the mode's record is read within: the largest record the program can write.
qint64 EntryListBytes(int mode);

// The mode's entries as stored, the record created with placeholder lines when it is
// missing (*error set when that write failed); none, and *error set, when the record is
// there but cannot be read, and the record is left as it is.
QStringList LoadEntryList(int mode, const RecordStore& store, QString* error);

// The entry a click picked: its number (the 1-based line) and its description (the
// entry from its 6th character on, after the number prefix).
struct EntryPick {
    int number = 0;
    QString description;
};
// Nothing when the clicked line lies beyond the list.
std::optional<EntryPick> PickEntry(const QStringList& entries, int listSize, const QString& editorText,
                                   int caret);

} // namespace kv
