#include "font/font_file.h"

#include "base/app_folder.h"

#include <QFile>

namespace kv {

std::optional<FontTable> LoadFontFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray stored = file.read(kFontTableSize);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QByteArray padded = stored;
    padded.append(QByteArray(kFontTableSize - stored.size(), '\0'));
    return FontTable::fromDeviceBytes(ToggleStoredOrder(padded));
}

bool SaveFontFile(const QString& path, const FontTable& table, QString* error)
{
    return WriteBinaryFile(path, ToggleStoredOrder(table.bytes()), error);
}

} // namespace kv
