#pragma once

#include "font/font_table.h"

#include <QString>
#include <optional>

namespace kv {

// A font file: 256 records in stored order, no header. A shorter file loads with
// zeros for the missing bytes and a longer one loads its first 13 824 bytes; nothing
// when the file is missing or cannot be read.
std::optional<FontTable> LoadFontFile(const QString& path);

// Writes the table in stored order through a temporary file and a rename, so the old
// file stays when the write fails; *error then says why.
bool SaveFontFile(const QString& path, const FontTable& table, QString* error = nullptr);

} // namespace kv
