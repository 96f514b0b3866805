#pragma once

#include "sim/png_image.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace kv::sim {

// The unit's character screen, where the display tests show the font: 16 lines of 32
// cells, each empty or showing one character of the font with an attribute.
constexpr int kScreenLines = 16;
constexpr int kScreenCells = 32;
constexpr int kEmptyCell = -1;

struct CharacterScreen {
    QList<int> codes = QList<int>(kScreenLines * kScreenCells, kEmptyCell);
    QList<int> attributes = QList<int>(kScreenLines * kScreenCells, 0);

    int& code(int line, int cell) { return codes[line * kScreenCells + cell]; }
    int codeAt(int line, int cell) const { return codes.at(line * kScreenCells + cell); }
    int attributeAt(int line, int cell) const { return attributes.at(line * kScreenCells + cell); }
};

// What the display-test commands do to the screen. Lines and cells outside it are
// ignored, so no frame can reach past the screen.
void ClearScreen(CharacterScreen& screen);
void ClearLine(CharacterScreen& screen, int line);
// The codes from the cell on; what does not fit the line is not shown.
void ShowCodes(CharacterScreen& screen, int line, int cell, const QByteArray& codes);
// The attribute of the characters shown from the cell on, up to the next empty cell.
void SetAttribute(CharacterScreen& screen, int line, int cell, int attribute);
// The screen cleared, then the first or last 128 characters of the font in eight
// lines of sixteen, in the middle of the screen.
void ShowFontHalf(CharacterScreen& screen, bool lastHalf);

// The screen as text for the state file: one entry per line, two hex digits per cell
// that shows a character, ".." for an empty one.
QStringList ScreenLines(const CharacterScreen& screen);

// The screen drawn with the unit's font (256 records of 54 bytes, device order), 12 x 18
// pixels a cell. Empty cells and transparent pixels show the video behind in grey;
// black and white pixels swap with the inverted attributes, and the black-background
// attributes cover transparent pixels.
GreyImage DrawScreen(const CharacterScreen& screen, const QByteArray& font);

} // namespace kv::sim
