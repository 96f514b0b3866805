#pragma once

#include "base/app_folder.h"

#include <QString>

namespace kv::test {

// Makes the application folder start on a line: COM1 mapped to the port path and
// chosen, at the rate of the rate choice (3 is 9600, 7 is 115200).
inline bool StartsOnLine(const AppFolder& folder, const QString& path, int baudChoice)
{
    return folder.ensureSettingsFolder() && WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM1=" + path)
        && WriteTextFile(folder.settingsPath("COM.TXT"), "1")
        && WriteTextFile(folder.settingsPath("BTL.TXT"), QString::number(baudChoice));
}

} // namespace kv::test
