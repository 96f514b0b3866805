#include "scroll/startup_send_mode.h"

#include "base/position_time_checks.h"

namespace kv {

std::optional<int> StartupSendMode(const AppFolder& folder)
{
    const auto line = ReadFirstLine(folder.settingsPath(QStringLiteral("end_fs_mode.txt")));
    if (!line)
        return std::nullopt;
    const auto value = BoxValue(line->trimmed());
    if (!value || *value >= 10)
        return std::nullopt;
    return value;
}

} // namespace kv
