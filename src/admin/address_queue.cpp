#include "admin/address_queue.h"

#include "base/app_folder.h"
#include "base/checked.h"
#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/decimal_text.h"
#include "base/line_ends.h"
#include "base/paired_write.h"
#include "base/prompter.h"
#include "text/operator_text.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace kv {

namespace {
const QString kQueueFile = QStringLiteral("data.txt");
const QString kTicksFile = QStringLiteral("Lv1Checked.TXT");
const QString kQueueJournal = QStringLiteral("AddressQueue.journal");
// 255 entries of a three-digit address and a 60-character description fill about
// 33 KiB; a hand-edited file may repeat addresses, so there is room to spare.
constexpr qint64 kQueueFileLimit = 256 * 1024;
constexpr int kHighestAddress = 254;

int valueOf(const QString& address)
{
    return DecimalValue(address).value_or(-1);
}

// data.txt holds line pairs; the file may carry any number of line ends after the
// last pair, and files edited elsewhere may end lines with LF alone. Stripping the
// trailing line ends also strips an empty last description, which is put back.
// data.txt and its ticks change together, so a tick never lands on another unit.
FilePair queuePair(const AppFolder& folder)
{
    return {folder.path(kQueueFile), folder.settingsPath(kTicksFile), folder.settingsPath(kQueueJournal),
            kQueueFileLimit};
}

BoundedRead readQueueFile(const AppFolder& folder)
{
    return ReadWholeFile(folder.path(kQueueFile), kQueueFileLimit);
}

// Why data.txt is there and cannot be read; empty when it can, or when there is none.
QString unreadableQueueText(const AppFolder& folder, const BoundedRead& read)
{
    if (read.failure == ReadFailure::None || read.failure == ReadFailure::Missing)
        return QString();
    return ReadFailureText(folder.path(kQueueFile), read, kQueueFileLimit);
}

QString tickString(const QList<QueueEntry>& entries)
{
    QString ticks;
    for (const QueueEntry& entry : entries)
        ticks += entry.ticked ? QLatin1Char('1') : QLatin1Char('0');
    return ticks;
}

QString firstLine(const QByteArray& bytes)
{
    const QString text = DecodeCp936(bytes);
    return text.left(text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]"))));
}

QStringList queueFileLines(const QByteArray& bytes)
{
    QString text = DecodeCp936(bytes);
    text.replace(kCrLf, QStringLiteral("\n"));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() % 2 != 0)
        lines.append(QString());
    return lines;
}

// A description is one line of data.txt: a line end inside it would shift every
// pair after it.
QString oneLine(QString text)
{
    text.replace(kCrLf, QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void sortByAddress(QList<QueueEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const QueueEntry& a, const QueueEntry& b) {
        return valueOf(a.address) < valueOf(b.address);
    });
}

// Add and modify share their address checks; the address is cut to three characters
// first. Gives the address to store, or the refusal after its message.
Checked<QString> checkedAddress(const QString& entered, Prompter& prompter)
{
    const QString address = entered.left(3);
    const auto value = DecimalValue(address);
    const QString problem = !value                     ? Text::tr("地址码必须是数字")
                            : *value > kHighestAddress ? Text::tr("地址码不能大于254")
                                                       : QString();
    if (problem.isEmpty())
        return address;
    prompter.failure(problem, Text::tr("错误"));
    return Outcome::Refused(problem);
}

// Saves and reads the files back, so the list shows what is stored even when a write
// failed.
QueueEditOutcome saveAndReload(const AppFolder& folder, const QList<QueueEntry>& entries,
                               QueueCaptionWording wording, Prompter& prompter)
{
    QueueEditOutcome outcome;
    outcome.result = SaveAddressQueue(folder, entries, prompter);
    outcome.entries = LoadAddressQueue(folder).entries;
    if (outcome.result.done())
        outcome.caption = QueueCaption(wording, int(outcome.entries.size()));
    return outcome;
}

// A list that could not be read is not replaced by the one shown, nor are its ticks:
// it may hold units the operator still needs. Refused, after the message, when it stays.
Outcome keepsUnreadableList(const AppFolder& folder, Prompter& prompter)
{
    const QString problem = unreadableQueueText(folder, readQueueFile(folder));
    return problem.isEmpty() ? Outcome::Done() : Refuse(prompter, problem);
}

QueueEditOutcome unchanged(Outcome why, const QList<QueueEntry>& entries, std::optional<int> selected = std::nullopt)
{
    QueueEditOutcome outcome;
    outcome.result = std::move(why);
    outcome.entries = entries;
    outcome.selected = selected;
    return outcome;
}
} // namespace

QString QueueCaption(QueueCaptionWording wording, int count)
{
    switch (wording) {
    case QueueCaptionWording::Loaded:
        return Text::tr("设备地址队列 -- 共有%1条设备地址记录").arg(count);
    case QueueCaptionWording::Added:
        return Text::tr("设备地址队列 -- 共有%1条记录").arg(count);
    case QueueCaptionWording::Modified:
        return Text::tr("共有%1条记录").arg(count);
    }
    return QString();
}

AddressQueue LoadAddressQueue(const AppFolder& folder)
{
    AddressQueue queue;
    // A save that a kill stopped half-way is finished first; its journal holds the
    // pair as it was meant to be.
    const auto pending = FinishPairWrite(queuePair(folder));
    QByteArray queueBytes;
    if (pending) {
        queueBytes = pending->first;
    } else {
        const BoundedRead read = readQueueFile(folder);
        queue.problem = unreadableQueueText(folder, read);
        if (!read.ok())
            return queue;
        queueBytes = read.bytes;
    }
    queue.fileFound = true;
    const QStringList lines = queueFileLines(queueBytes);

    // The last pair given for an address describes it.
    for (int i = 0; i < lines.size(); i += 2) {
        const QString address = lines.at(i).trimmed();
        const int value = valueOf(address);
        if (value < 0 || value > kHighestAddress)
            continue;
        QueueEntry entry{address, lines.at(i + 1), false};
        auto same = std::find_if(queue.entries.begin(), queue.entries.end(),
                                 [value](const QueueEntry& e) { return valueOf(e.address) == value; });
        if (same != queue.entries.end())
            *same = entry;
        else
            queue.entries.append(entry);
    }
    sortByAddress(queue.entries);

    // Ticks written for another list would tick other units; they are applied only
    // when there is one for every entry.
    const std::optional<QString> ticks = pending ? firstLine(pending->second)
                                                 : ReadFirstLine(folder.settingsPath(kTicksFile));
    if (ticks && ticks->size() == queue.entries.size()) {
        for (int i = 0; i < queue.entries.size(); ++i)
            queue.entries[i].ticked = ticks->at(i) == QLatin1Char('1');
    }
    return queue;
}

Outcome SaveQueueTicks(const AppFolder& folder, const QList<QueueEntry>& entries, Prompter& prompter)
{
    if (const Outcome kept = keepsUnreadableList(folder, prompter); !kept.done())
        return kept;
    if (!folder.ensureSettingsFolder())
        return FailWithError(prompter, FileWriteErrorText(folder.settingsFolder(), Text::tr("无法创建文件夹")));
    // A queue save still pending would put its own ticks over these.
    FinishPairWrite(queuePair(folder));
    if (QFileInfo::exists(folder.settingsPath(kQueueJournal)))
        return FailWithError(prompter, FileWriteErrorText(folder.path(kQueueFile), Text::tr("上次的保存未能完成")));
    QString reason;
    if (!WriteTextFile(folder.settingsPath(kTicksFile), tickString(entries), &reason))
        return FailWithError(prompter, FileWriteErrorText(folder.settingsPath(kTicksFile), reason));
    return Outcome::Done();
}

Outcome SaveAddressQueue(const AppFolder& folder, QList<QueueEntry> entries, Prompter& prompter)
{
    if (const Outcome kept = keepsUnreadableList(folder, prompter); !kept.done())
        return kept;
    sortByAddress(entries);
    QString text;
    for (const QueueEntry& entry : entries)
        text += entry.address + kCrLf + oneLine(entry.description) + kCrLf;
    if (!folder.ensureSettingsFolder())
        return FailWithError(prompter, FileWriteErrorText(folder.settingsFolder(), Text::tr("无法创建文件夹")));
    QString reason;
    const auto queueBytes = TextFileBytes(text, &reason);
    // The ticks are stored with the list they belong to, so each stays with its unit
    // when the list is re-sorted.
    const QByteArray ticksBytes = tickString(entries).toLatin1();
    if (!queueBytes || !WritePair(queuePair(folder), {*queueBytes, ticksBytes}, &reason))
        return FailWithError(prompter, FileWriteErrorText(folder.path(kQueueFile), reason));
    return Outcome::Done();
}

QString QueueAddressString(const QList<QueueEntry>& entries)
{
    QString text;
    for (const QueueEntry& entry : entries)
        if (entry.ticked)
            text += QStringLiteral("%1").arg(valueOf(entry.address), 3, 10, QLatin1Char('0'));
    return text;
}

bool PD_ADD(const QList<QueueEntry>& entries, const QString& address, bool modifying,
            std::optional<int>* selected, Prompter& prompter)
{
    const int value = valueOf(address);
    for (int i = 0; i < entries.size(); ++i) {
        if (valueOf(entries.at(i).address) != value)
            continue;
        if (modifying && selected->has_value() && **selected == i)
            continue;
        prompter.failure(Text::tr("地址码已存在，不能重复！"), QString());
        *selected = i;
        return true;
    }
    return false;
}

QString QueueAddressEntryMessage(const QString& text)
{
    if (text.isEmpty())
        return QString();
    const auto value = DecimalValue(text);
    if (!value)
        return Text::tr("地址码必须为0-254的十进制数");
    if (*value > 255)
        return Text::tr("地址码不能大于255");
    return QString();
}

QueueEditOutcome AddQueueEntry(const AppFolder& folder, const QList<QueueEntry>& entries,
                               const QueueEntryInput& input, Prompter& prompter)
{
    const auto address = checkedAddress(input.address, prompter);
    if (!address)
        return unchanged(address.refusal(), entries);
    std::optional<int> selected;
    if (PD_ADD(entries, *address, false, &selected, prompter))
        return unchanged(Outcome::Refused(), entries, selected);
    QString description = oneLine(input.description);
    if (description.size() > 33)
        description = description.left(30);
    QList<QueueEntry> next = entries;
    next.append({*address, description, false});
    return saveAndReload(folder, next, QueueCaptionWording::Added, prompter);
}

QueueEditOutcome ModifyQueueEntry(const AppFolder& folder, const QList<QueueEntry>& entries, int selected,
                                  const QueueEntryInput& input, Prompter& prompter)
{
    if (selected < 0 || selected >= entries.size())
        return unchanged(Outcome::Refused(), entries);
    const auto address = checkedAddress(input.address, prompter);
    if (!address)
        return unchanged(address.refusal(), entries, selected);
    std::optional<int> chosen = selected;
    if (PD_ADD(entries, *address, true, &chosen, prompter))
        return unchanged(Outcome::Refused(), entries, chosen);
    QString description = oneLine(input.description);
    if (description.size() > 60)
        description = description.left(60);
    QList<QueueEntry> next = entries;
    next[selected].address = *address;
    next[selected].description = description;
    return saveAndReload(folder, next, QueueCaptionWording::Modified, prompter);
}

QueueEditOutcome DeleteQueueEntry(const AppFolder& folder, const QList<QueueEntry>& entries, int selected,
                                  Prompter& prompter)
{
    if (selected < 0 || selected >= entries.size())
        return unchanged(Outcome::Refused(), entries);
    const QString question = Text::tr("真的要删除地址为 %1 的记录吗？").arg(entries.at(selected).address);
    if (!prompter.ask(question, QString()))
        return unchanged(Outcome::Cancelled(), entries, selected);
    QList<QueueEntry> next = entries;
    next.removeAt(selected);
    return saveAndReload(folder, next, QueueCaptionWording::Loaded, prompter);
}

} // namespace kv
