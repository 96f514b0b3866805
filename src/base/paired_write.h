#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

// Two files that only make sense together, such as the address queue and its ticks:
// a kill between two plain writes would leave the new one beside the old other.
// A journal holding both new contents is written first; with it in place each file
// is replaced, and then the journal is removed. The next start finishes a write
// whose journal is still there, so after a kill at any moment both files are old or
// both are new.
struct FilePair {
    QString firstPath;
    QString secondPath;
    QString journalPath;
    qint64 limit = 0; // the largest either file may be
};

struct PairContents {
    QByteArray first;
    QByteArray second;
};

// Replaces both files. On failure both keep their old contents (when even that fails,
// the journal stays and the next start makes both new) and *error says why.
bool WritePair(const FilePair& pair, const PairContents& contents, QString* error);

// Finishes a write that was stopped with its journal in place. Returns the journal's
// contents when there is one: they are the pair's state, even when the files could not
// be replaced now (the journal then stays for the next try). Nothing without a journal;
// a journal that is not whole is removed.
std::optional<PairContents> FinishPairWrite(const FilePair& pair);

} // namespace kv
