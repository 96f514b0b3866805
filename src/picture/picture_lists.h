#pragma once

#include "base/bounded_read.h"
#include "base/record_store.h"

#include <QString>
#include <QStringList>

namespace kv {

// The lists of what the units were given from this computer: the stored pictures
// "JzPic" (图文1 … 图文12) and the picture messages "DXD" (large cells) and "DXX"
// (small cells), numbered 1 to 30.
constexpr int kStoredPictures = 12;
constexpr int kPictureMessages = 30;
inline const QString kStoredPictureList = QStringLiteral("JzPic");
// The bound these lists are read within: what the program writes into them is short
// (a picture file's name and size), far below that of any text file of the program.
constexpr qint64 kPictureListBytes = kTextFileLimit;

// The stored-picture list as the editor shows it in mode 5, the list made whole first;
// *entries gets its full lines, for the operator's pick.
QString ShowStoredPictureList(const RecordStore& store, QStringList* entries, QString* error);
// Notes what picture message number (1 to 30) now holds.
bool RecordPictureMessage(const RecordStore& store, const QString& list, int number, const QString& description,
                          QString* error);

} // namespace kv
