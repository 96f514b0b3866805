#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kv::test {

// The bytes of a file, or "<missing>" when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace kv::test
