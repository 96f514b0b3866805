#include "link_fixture.h"

#include <QFile>

namespace kv::test {

QByteArray LinkFixture::fileBytes(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

} // namespace kv::test
