#include "sim/character_screen.h"

#include "sim/unit_state.h"

namespace kv::sim {

namespace {
constexpr int kCellWidth = 12;
constexpr int kCellHeight = 18;
constexpr int kHalf = 128;
constexpr int kHalfPerLine = 16;
constexpr int kHalfFirstLine = 4;
constexpr int kHalfFirstCell = 8;

// The attributes of the test panel's list: as is, inverted, blinking, black background,
// inverted + blinking, inverted + black background, blinking + black background.
bool inverted(int attribute)
{
    return attribute == 1 || attribute == 4 || attribute == 5;
}
bool blackBackground(int attribute)
{
    return attribute == 3 || attribute == 5 || attribute == 6;
}

bool onScreen(int line, int cell)
{
    return line >= 0 && line < kScreenLines && cell >= 0 && cell < kScreenCells;
}

// Two bits a pixel, the first pixel of a byte in its top bits: 00 black, 10 white,
// 01 and 11 transparent.
int pixelCode(const QByteArray& font, int code, int pixel)
{
    const qsizetype index = qsizetype(code) * kFontRecordSize + pixel / 4;
    if (index >= font.size())
        return 0b11;
    return (static_cast<quint8>(font.at(index)) >> (6 - 2 * (pixel % 4))) & 0b11;
}
} // namespace

void ClearScreen(CharacterScreen& screen)
{
    screen = CharacterScreen{};
}

void ClearLine(CharacterScreen& screen, int line)
{
    for (int cell = 0; onScreen(line, cell); ++cell) {
        screen.code(line, cell) = kEmptyCell;
        screen.attributes[line * kScreenCells + cell] = 0;
    }
}

void ShowCodes(CharacterScreen& screen, int line, int cell, const QByteArray& codes)
{
    for (qsizetype i = 0; i < codes.size() && onScreen(line, cell + int(i)); ++i)
        screen.code(line, cell + int(i)) = static_cast<quint8>(codes.at(i));
}

void SetAttribute(CharacterScreen& screen, int line, int cell, int attribute)
{
    if (!onScreen(line, cell))
        return;
    do {
        screen.attributes[line * kScreenCells + cell] = attribute;
        ++cell;
    } while (onScreen(line, cell) && screen.codeAt(line, cell) != kEmptyCell);
}

void ShowFontHalf(CharacterScreen& screen, bool lastHalf)
{
    ClearScreen(screen);
    const int first = lastHalf ? kHalf : 0;
    for (int i = 0; i < kHalf; ++i)
        screen.code(kHalfFirstLine + i / kHalfPerLine, kHalfFirstCell + i % kHalfPerLine) = first + i;
}

QStringList ScreenLines(const CharacterScreen& screen)
{
    QStringList lines;
    for (int line = 0; line < kScreenLines; ++line) {
        QString text;
        for (int cell = 0; cell < kScreenCells; ++cell) {
            const int code = screen.codeAt(line, cell);
            text += code == kEmptyCell ? QStringLiteral("..")
                                       : QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        }
        lines << text;
    }
    return lines;
}

GreyImage DrawScreen(const CharacterScreen& screen, const QByteArray& font)
{
    static constexpr char kVideo = char(0x80);
    GreyImage image;
    image.width = kScreenCells * kCellWidth;
    image.height = kScreenLines * kCellHeight;
    image.pixels = QByteArray(qsizetype(image.width) * image.height, kVideo);
    for (int line = 0; line < kScreenLines; ++line) {
        for (int cell = 0; cell < kScreenCells; ++cell) {
            const int code = screen.codeAt(line, cell);
            if (code == kEmptyCell)
                continue;
            const int attribute = screen.attributeAt(line, cell);
            for (int pixel = 0; pixel < kCellWidth * kCellHeight; ++pixel) {
                const int bits = pixelCode(font, code, pixel);
                char value = kVideo;
                if (bits == 0b00 || bits == 0b10) {
                    const bool white = (bits == 0b10) != inverted(attribute);
                    value = white ? char(0xFF) : char(0x00);
                } else if (blackBackground(attribute)) {
                    value = char(0x00);
                }
                const int x = cell * kCellWidth + pixel % kCellWidth;
                const int y = line * kCellHeight + pixel / kCellWidth;
                image.pixels[qsizetype(y) * image.width + x] = value;
            }
        }
    }
    return image;
}

} // namespace kv::sim
