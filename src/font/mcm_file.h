#pragma once

#include "font/font_table.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

namespace kv {

// The .mcm text format that MAX7456 font tools exchange: a line "MAX7456", then 64
// lines of eight binary digits per character. The first 54 lines are the record in
// device order; the other ten are padding that the chip ignores and that a file
// imported from elsewhere keeps on export.
constexpr int kMcmLinesPerGlyph = 64;
constexpr int kMcmPaddingPerGlyph = kMcmLinesPerGlyph - kRecordSize; // 10
constexpr quint8 kMcmFreshPadding = 0x55;

struct McmFont {
    FontTable table;
    // 256 x 10 padding bytes in code order; empty for a font that has none of its own.
    QByteArray padding;
};

// The first fault of a file that cannot be imported, in the operator's words.
struct FontImportError {
    QString text;
};

// Reads LF or CR LF files, with or without a final line end or a trailing blank line.
std::variant<McmFont, FontImportError> ParseMcm(const QByteArray& content);

// CR LF after every line. Padding of the wrong size is replaced by 01010101.
QByteArray McmContent(const FontTable& table, const QByteArray& padding = {});

} // namespace kv
