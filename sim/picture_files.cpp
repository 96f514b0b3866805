#include "sim/picture_files.h"

#include "sim/whole_file.h"

#include <QDir>

namespace kv::sim {

QString PictureFiles::pathOf(const UnitState& unit, const QString& name) const
{
    return QDir(directory_).filePath(QStringLiteral("unit%1-%2.png").arg(unit.address).arg(name));
}

bool PictureFiles::write(const UnitState& unit, const QString& name, const GreyImage& image,
                         QString& error) const
{
    const QByteArray png = EncodePng(image);
    if (png.isEmpty()) {
        error = QStringLiteral("picture %1 of unit %2 is empty: no file written").arg(name).arg(unit.address);
        return false;
    }
    return WriteWholeFile(pathOf(unit, name), png, error);
}

} // namespace kv::sim
