#pragma once

#include <QString>

namespace kv {

class AppFolder;

// The files that come with the programs: the default local font and the help texts.
// An installed program keeps them in share/kvtool beside its bin/ folder; a program run
// from its build folder keeps them beside itself.
QString ShippedFilesFolder();
// A shipped file by name ("hebingf.bin", "help").
QString ShippedFile(const QString& name);

// Whether the running program is an installed one: it then keeps its settings in the
// per-user data folder, never beside the executable.
bool RunsInstalled();

// The application folder of an installed program: "kvtool" in the per-user data folder
// ($XDG_DATA_HOME, else ~/.local/share), the same for kvtool and kvctl.
QString PerUserAppFolder();

// The application folder when none is given: the folder of the executable when it is
// writable and the program is not an installed one, else the per-user data folder.
QString DefaultAppFolderRoot();

// Copies every shipped help text, Chinese and English, that the application folder
// lacks into its help/ and help/en/; a text the operator changed stays as it is.
// Returns how many were copied.
int ProvideHelpFiles(const AppFolder& folder);

} // namespace kv
