#pragma once

#include "base/outcome.h"
#include <QList>
#include <QString>
#include <optional>

namespace kv {

class AppFolder;
class Prompter;

// One unit of the operator's list of units on the line.
struct QueueEntry {
    QString address;     // as entered ("005" stays "005"); its numeric value is the unit
    QString description;
    bool ticked = false;
};

// The address queue as loaded: entries sorted by address value.
struct AddressQueue {
    QList<QueueEntry> entries;
    bool fileFound = false; // data.txt existed; without it the caption is not set
    // Set when data.txt is there but cannot be read (too large, not a file): the list is
    // then empty, and no save writes over the file.
    QString problem;
};

// The three wordings of the caption above the list.
enum class QueueCaptionWording { Loaded, Added, Modified };
QString QueueCaption(QueueCaptionWording wording, int count);

// Reads data.txt (address and description line pairs) and the ticks of
// savefiles/Lv1Checked.TXT, after finishing a save that a kill interrupted. Pairs
// whose address is not a decimal 0-254 are skipped; an address given more than once
// is one entry, described by its last pair. A tick string that has not exactly one
// character per entry belongs to another list and leaves every entry unticked.
AddressQueue LoadAddressQueue(const AppFolder& folder);

// Sorts the entries and writes data.txt and the tick string as one pair (see
// paired_write.h), so that both files always match the list, even after a kill.
// Refused or failed (after the message) when they could not be written; both then stay
// as they were.
Outcome SaveAddressQueue(const AppFolder& folder, QList<QueueEntry> entries, Prompter& prompter);

// Writes the tick string of the entries to Lv1Checked.TXT: "1" ticked, "0" not.
Outcome SaveQueueTicks(const AppFolder& folder, const QList<QueueEntry>& entries, Prompter& prompter);

// The ticked addresses in list order, each as exactly three digits ("003015120").
QString QueueAddressString(const QList<QueueEntry>& entries);

// True when the address already names an entry (by numeric value, so "5" and "005"
// are one unit); then the message is shown and *selected becomes that entry. When
// modifying, the selected entry itself does not count.
bool PD_ADD(const QList<QueueEntry>& entries, const QString& address, bool modifying,
            std::optional<int>* selected, Prompter& prompter);

// The check of the address entry on every change: the message to show (the entry then
// returns to "0"), or an empty text.
QString QueueAddressEntryMessage(const QString& text);

// What the add and modify buttons are given.
struct QueueEntryInput {
    QString address;
    QString description;
};

// The list after an add, modify or delete, with the caption to show (empty: leave it)
// and the entry to select.
struct QueueEditOutcome {
    Outcome result;
    QList<QueueEntry> entries;
    QString caption;
    std::optional<int> selected;
};

QueueEditOutcome AddQueueEntry(const AppFolder& folder, const QList<QueueEntry>& entries,
                               const QueueEntryInput& input, Prompter& prompter);
QueueEditOutcome ModifyQueueEntry(const AppFolder& folder, const QList<QueueEntry>& entries, int selected,
                                  const QueueEntryInput& input, Prompter& prompter);
// Asks first; nothing changes on No.
QueueEditOutcome DeleteQueueEntry(const AppFolder& folder, const QList<QueueEntry>& entries, int selected,
                                  Prompter& prompter);

} // namespace kv
