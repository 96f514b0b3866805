#pragma once

#include <QString>
#include <optional>

namespace kv {

class AppFolder;

// The window title the start-up sequence sets.
QString MainWindowTitle();

// KjSelect.txt is read, or created holding "0", while the window loads; nothing
// depends on its value yet, so the file only keeps the settings folder as operators know it.
QString LoadKjSelect(const AppFolder& folder);

// The static text editor's opening text: the first line of JZNR.txt, which the program
// only reads (an operator or an installer leaves a standing text there). Nothing when
// the file is missing.
std::optional<QString> LoadStaticTextStart(const AppFolder& folder);

} // namespace kv
