#pragma once

#include "base/app_folder.h"

#include <optional>

namespace kv {

// The send mode chosen at start-up from savefiles/end_fs_mode.txt: its value when it is
// a list index below 10. The tool reads the file but never writes it.
std::optional<int> StartupSendMode(const AppFolder& folder);

} // namespace kv
