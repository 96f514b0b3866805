#include "app/startup.h"

#include "base/app_folder.h"
#include "text/operator_text.h"

#include <QFileInfo>

namespace kv {

QString MainWindowTitle()
{
    return Text::tr("KV820T字符叠加器测试及字库编辑软件V1.1");
}

QString LoadKjSelect(const AppFolder& folder)
{
    const QString path = folder.settingsPath(QStringLiteral("KjSelect.txt"));
    if (const auto value = ReadFirstLine(path))
        return *value;
    if (folder.ensureSettingsFolder())
        WriteTextFile(path, QStringLiteral("0"));
    return QStringLiteral("0");
}

std::optional<QString> LoadStaticTextStart(const AppFolder& folder)
{
    return ReadFirstLine(folder.settingsPath(QStringLiteral("JZNR.txt")));
}

} // namespace kv
