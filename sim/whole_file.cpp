#include "sim/whole_file.h"

#include <QFile>

#include <cstdio>

namespace kv::sim {

bool WriteWholeFile(const QString& path, const QByteArray& contents, QString& error)
{
    const QString temporary = path + QStringLiteral(".tmp");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = QStringLiteral("cannot write %1: %2").arg(temporary, file.errorString());
        return false;
    }
    const bool written = file.write(contents) == contents.size() && file.flush();
    file.close();
    if (!written || std::rename(QFile::encodeName(temporary).constData(),
                                QFile::encodeName(path).constData()) != 0) {
        error = QStringLiteral("cannot write %1").arg(path);
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace kv::sim
