#pragma once

#include <QString>
#include <QStringList>

namespace kv {

class RecordStore;
struct EditPage;

// The page record of each edit page kind (savefiles/TbChar.TXT …): fourteen lines, the
// editor's line breaks written as "~~~" so that the text takes one line.

// The record's fourteen lines for the page.
QStringList PageRecordLines(const EditPage& page);

// Applies the record of the page's kind when it has exactly fourteen lines; a missing
// record, or one of another length, leaves the page as it is. A field that does not
// fit its selector leaves that field as it is.
bool LoadPageRecord(const RecordStore& store, EditPage& page);

// Writes the page's record whole; false (with *error) when it could not be written.
bool SavePageRecord(const RecordStore& store, const EditPage& page, QString* error);

} // namespace kv
