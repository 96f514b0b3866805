#pragma once

#include "font/font_table.h"
#include "font/mcm_file.h"

#include <QImage>
#include <variant>

namespace kv {

// A font as one picture of 16 x 16 characters, code = 16 x row + column: either
// 192 x 288 with the characters abutting, or 209 x 305 with a one-pixel separator
// around every character. Black and white are themselves; grey #808080, green
// #00FF00 and fully see-through pixels are transparent and read as 11.
enum class PngLayout { Plain, Separated };

constexpr CellColour kSheetTransparent = 0x808080;
constexpr CellColour kSheetGreen = 0x00FF00;
constexpr CellColour kSheetSeparator = 0x404040;

std::variant<FontTable, FontImportError> ParsePngSheet(const QImage& image);
QImage PngSheet(const FontTable& table, PngLayout layout);

} // namespace kv
