#include "scroll/shortcut_record.h"

#include "app/numbered_list.h"
#include "scroll/entry_list.h"
#include "scroll/send_modes.h"
#include "scroll/shortcut_segments.h"

namespace kv {

bool RecordShortcutDescription(const RecordStore& store, int number, const QString& description, QString* error)
{
    if (number < 1 || number > kShortcutCount)
        return false;
    const QString name = EntryListRecord(kModeShortcut);
    QStringList lines = store.readLines(name).value_or(QStringList());
    const QStringList placeholders = PlaceholderList(kShortcutCount);
    while (lines.size() < kShortcutCount)
        lines << placeholders.at(lines.size());
    lines[number - 1] = NumberedLabel(number) + description;
    return store.writeLines(name, lines, error);
}

} // namespace kv
