#include "base/paired_write.h"

#include "base/app_folder.h"
#include "base/bounded_read.h"

#include <QFile>

namespace kv {

namespace {
// "KVPAIR", the length of the first content, then both contents back to back.
const QByteArray kJournalMark = QByteArrayLiteral("KVPAIR\n");

QByteArray journalBytes(const PairContents& contents)
{
    return kJournalMark + QByteArray::number(contents.first.size()) + '\n' + contents.first + contents.second;
}

std::optional<PairContents> parseJournal(const QByteArray& bytes, qint64 limit)
{
    if (!bytes.startsWith(kJournalMark))
        return std::nullopt;
    const qsizetype lengthEnd = bytes.indexOf('\n', kJournalMark.size());
    if (lengthEnd < 0)
        return std::nullopt;
    bool ok = false;
    const qint64 firstLength = bytes.mid(kJournalMark.size(), lengthEnd - kJournalMark.size()).toLongLong(&ok);
    const qsizetype bodyStart = lengthEnd + 1;
    if (!ok || firstLength < 0 || firstLength > limit || firstLength > bytes.size() - bodyStart)
        return std::nullopt;
    PairContents contents;
    contents.first = bytes.mid(bodyStart, firstLength);
    contents.second = bytes.mid(bodyStart + firstLength);
    if (contents.second.size() > limit)
        return std::nullopt;
    return contents;
}

bool replaceBoth(const FilePair& pair, const PairContents& contents, QString* error)
{
    return WriteBinaryFile(pair.firstPath, contents.first, error)
           && WriteBinaryFile(pair.secondPath, contents.second, error);
}
} // namespace

bool WritePair(const FilePair& pair, const PairContents& contents, QString* error)
{
    const BoundedRead oldFirst = ReadWholeFile(pair.firstPath, pair.limit);
    if (!WriteBinaryFile(pair.journalPath, journalBytes(contents), error))
        return false;
    if (!WriteBinaryFile(pair.firstPath, contents.first, error)) {
        QFile::remove(pair.journalPath);
        return false;
    }
    if (!WriteBinaryFile(pair.secondPath, contents.second, error)) {
        // Put the first file back while the journal still guards the pair: a kill in
        // the middle of this makes both new at the next start, which is whole as well.
        const bool restored = oldFirst.failure == ReadFailure::Missing
                                  ? QFile::remove(pair.firstPath)
                                  : oldFirst.ok() && WriteBinaryFile(pair.firstPath, oldFirst.bytes);
        if (restored)
            QFile::remove(pair.journalPath);
        return false;
    }
    // Both files are new; a journal that could not be removed only repeats them.
    QFile::remove(pair.journalPath);
    return true;
}

std::optional<PairContents> FinishPairWrite(const FilePair& pair)
{
    const BoundedRead journal = ReadWholeFile(pair.journalPath, 2 * pair.limit + 64);
    if (journal.failure == ReadFailure::Missing)
        return std::nullopt;
    const auto contents = journal.ok() ? parseJournal(journal.bytes, pair.limit) : std::nullopt;
    if (!contents) {
        // A journal is only ever put in place whole, by a rename; this one is not ours.
        QFile::remove(pair.journalPath);
        return std::nullopt;
    }
    if (replaceBoth(pair, *contents, nullptr))
        QFile::remove(pair.journalPath);
    return contents;
}

} // namespace kv
