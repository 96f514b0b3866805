#include "app/device_model.h"

#include "base/app_folder.h"
#include "base/prompter.h"

namespace kv {

namespace {
const QString kModelFile = QStringLiteral("xinghao.txt");
} // namespace

const QStringList& DeviceModelNames()
{
    static const QStringList names = {QStringLiteral("KV9073"), QStringLiteral("KV9072"), QStringLiteral("KV9071")};
    return names;
}

bool HasVerticalAdjust(int model)
{
    return model == kModelWithVerticalAdjust;
}

std::optional<int> ReadDeviceModel(const AppFolder& folder)
{
    const auto line = ReadFirstLine(folder.settingsPath(kModelFile));
    if (!line)
        return std::nullopt;
    if (*line == QLatin1String("0"))
        return 0;
    if (*line == QLatin1String("1"))
        return 1;
    return 2;
}

bool WriteDeviceModel(const AppFolder& folder, int model, Prompter& prompter)
{
    QString error;
    if (!WriteSettingsFile(folder, kModelFile, QString::number(model), &error)) {
        prompter.error(error);
        return false;
    }
    return true;
}

} // namespace kv
