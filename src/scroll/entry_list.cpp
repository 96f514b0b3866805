#include "scroll/entry_list.h"

#include "base/numbered_list.h"
#include "base/send_modes.h"
#include "picture/picture_lists.h"
#include "scroll/editor_lines.h"
#include "scroll/shortcut_content.h"
#include "scroll/shortcut_segments.h"

namespace kv {

QString EntryListRecord(int mode)
{
    switch (mode) {
    case kModeLargePictureMessage:
        return QStringLiteral("DXD");
    case kModeSmallPictureMessage:
        return QStringLiteral("DXX");
    case kModeShortcut:
        return QStringLiteral("ZhKj16");
    default:
        return QString();
    }
}

int EntryListSize(int mode)
{
    switch (mode) {
    case kModeLargePictureMessage:
    case kModeSmallPictureMessage:
        return 30;
    case kModeShortcut:
        return 16;
    default:
        return 0;
    }
}

qint64 EntryListBytes(int mode)
{
    if (mode == kModeShortcut)
        return NumberedListBytes(kShortcutCount, kMaxShortcutDescriptionBytes);
    return kPictureListBytes;
}

QStringList LoadEntryList(int mode, const RecordStore& store, QString* error)
{
    return LoadNumberedList(store, EntryListRecord(mode), EntryListSize(mode), EntryListBytes(mode), error);
}

std::optional<EntryPick> PickEntry(const QStringList& entries, int listSize, const QString& editorText,
                                   int caret)
{
    const int line = LineAtPosition(editorText, caret);
    if (line >= listSize || line >= entries.size())
        return std::nullopt;
    return EntryPick{line + 1, entries.at(line).mid(5)};
}

} // namespace kv
