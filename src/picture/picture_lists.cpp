#include "picture/picture_lists.h"

#include "base/numbered_list.h"

namespace kv {

QString ShowStoredPictureList(const RecordStore& store, QStringList* entries, QString* error)
{
    *entries = LoadNumberedList(store, kStoredPictureList, kStoredPictures, kPictureListBytes, error);
    return ListDisplayText(*entries);
}

bool RecordPictureMessage(const RecordStore& store, const QString& list, int number, const QString& description,
                          QString* error)
{
    return RecordNumberedItem(store, list, kPictureMessages, kPictureListBytes, number, description, error);
}

} // namespace kv
