#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>

namespace kv {

// A character is 12 x 18 pixels at two bits a pixel, the layout of the MAX7456
// on-screen-display chip the unit is built around.
constexpr int kGlyphWidth = 12;
constexpr int kGlyphHeight = 18;
constexpr int kGlyphPixels = kGlyphWidth * kGlyphHeight; // 216
constexpr int kRecordSize = kGlyphPixels / 4;            // 54 bytes
constexpr int kRowBytes = kGlyphWidth / 4;               // 3 bytes a row
constexpr int kGlyphCount = 256;
constexpr int kFontTableSize = kRecordSize * kGlyphCount; // 13 824 bytes

// The two bits of one pixel. 01 and 11 both mean transparent; the unit and the files
// keep whichever was written, so nothing here folds one into the other.
enum class PixelCode : quint8 { Black = 0b00, Transparent01 = 0b01, White = 0b10, Transparent = 0b11 };

inline bool IsTransparent(PixelCode code)
{
    return code == PixelCode::Transparent || code == PixelCode::Transparent01;
}

// Colour values of the editor's cells and the character list (0xRRGGBB).
using CellColour = quint32;
constexpr CellColour kBlackCell = 0x000000;
constexpr CellColour kWhiteCell = 0xFFFFFF;
constexpr CellColour kTransparentCell = 0x00FF00;

// The editor's working copy of a character: cell p = row * 12 + column.
using Grid = std::array<CellColour, kGlyphPixels>;

// A record is 54 bytes in device order: pixel p lives in byte p / 4, the first pixel
// of a byte in its two top bits.
PixelCode PixelAt(const QByteArray& record, int pixel);
void SetPixel(QByteArray& record, int pixel, PixelCode code);

CellColour ColourOf(PixelCode code);

// Black cells give 00, white cells 10, every other colour 11.
QByteArray PackGrid(const Grid& grid);
Grid UnpackRecord(const QByteArray& record);
Grid FilledGrid(CellColour colour);

} // namespace kv
