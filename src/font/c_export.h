#pragma once

#include "base/outcome.h"
#include "font/font_table.h"

#include <QString>

namespace kv {

class AppFolder;
class Prompter;

inline const QString kCExportFile = QStringLiteral("max7456zk.H");

// The table as a C array for the unit's firmware: a header line, one line of 54
// items per character in code order (device order, every item with its comma), and
// "};" with no line end.
QString CExportText(const FontTable& table);

// Writes the export to max7456zk.H in the application folder; a failed write is
// reported and fails.
Outcome ExportCFile(const FontTable& table, const AppFolder& folder, Prompter& prompter);

} // namespace kv
