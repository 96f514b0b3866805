#include "link_fixture.h"

#include "file_bytes.h"

namespace kv::test {

QByteArray LinkFixture::fileBytes(const QString& path) const
{
    return FileBytes(path);
}

} // namespace kv::test
