#pragma once

#include <QByteArray>
#include <QString>

namespace kv::sim {

// Writes the file whole through a temporary file beside it and a rename: a reader, or
// the next start of kvsim, sees the old contents or the new, never a part. The file is
// not synced to disk: it has to outlive kvsim, not the machine.
bool WriteWholeFile(const QString& path, const QByteArray& contents, QString& error);

} // namespace kv::sim
