#pragma once

#include <QStringList>
#include <optional>

namespace kv {

class AppFolder;
class Prompter;

// The unit models of the "产品型号" choice, left to right: KV9073 (0), KV9072 (1),
// KV9071 (2). Only the first has the vertical adjustment of text-to-picture lines.
const QStringList& DeviceModelNames();
inline constexpr int kModelWithVerticalAdjust = 0;
bool HasVerticalAdjust(int model);

// The model remembered in savefiles/xinghao.txt: "0" and "1" choose the first two, any
// other content the third; nothing when there is no such file (no option is set then).
std::optional<int> ReadDeviceModel(const AppFolder& folder);
// Remembers a choice; a failed write is reported and keeps the old file.
bool WriteDeviceModel(const AppFolder& folder, int model, Prompter& prompter);

} // namespace kv
