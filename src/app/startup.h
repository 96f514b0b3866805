#pragma once

#include <QString>

namespace kv {

class AppFolder;

// The window title the start-up sequence sets.
QString MainWindowTitle();

// KjSelect.txt is read, or created holding "0", while the window loads; nothing
// depends on its value yet, so the file only keeps the settings folder as operators know it.
QString LoadKjSelect(const AppFolder& folder);

} // namespace kv
