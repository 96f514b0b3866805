#include "sim/screen_picture.h"

#include "sim/png_encoder.h"
#include "sim/whole_file.h"

#include <QDir>

namespace kv::sim {

QString ScreenPictureName(const UnitState& state)
{
    return QStringLiteral("unit%1-screen.png").arg(state.address);
}

bool WriteScreenPicture(const QString& folder, const UnitState& state, QString& error)
{
    const ScreenImage image = DrawScreen(state.characterScreen, state.font);
    return WriteWholeFile(QDir(folder).filePath(ScreenPictureName(state)),
                          EncodePng(image.width, image.height, image.rgb), error);
}

} // namespace kv::sim
