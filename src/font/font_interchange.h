#pragma once

#include "font/font_table.h"
#include "font/mcm_file.h"
#include "font/png_sheet.h"

#include <QString>
#include <variant>

namespace kv {

// A font brought in from a .bin, .mcm or .png file. The .mcm padding travels with
// it so that an export to .mcm gives back the file it came from.
struct ImportedFont {
    FontTable table;
    QByteArray mcmPadding;
};

// The formats by file extension (case does not matter).
enum class FontFormat { Bin, Mcm, Png };
std::optional<FontFormat> FontFormatOf(const QString& path);

// Reads and checks a whole file; on any fault nothing is returned but the fault,
// prefixed with the file's name. A .bin here must be exactly 13 824 bytes.
std::variant<ImportedFont, FontImportError> ImportFontFile(const QString& path);

struct FontExportOptions {
    QByteArray mcmPadding;
    PngLayout pngLayout = PngLayout::Plain;
};

// Writes through a temporary file and a rename; *error says why a write failed.
bool ExportFontFile(const QString& path, const FontTable& table, const FontExportOptions& options,
                    QString* error = nullptr);

} // namespace kv
