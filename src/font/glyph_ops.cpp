#include "font/glyph_ops.h"

namespace kv {

namespace {
quint32 rowValue(const QByteArray& record, int row)
{
    const auto* b = reinterpret_cast<const quint8*>(record.constData()) + row * kRowBytes;
    return (quint32(b[0]) << 16) | (quint32(b[1]) << 8) | b[2];
}

void setRowValue(QByteArray& record, int row, quint32 v)
{
    record[row * kRowBytes] = static_cast<char>((v >> 16) & 0xFF);
    record[row * kRowBytes + 1] = static_cast<char>((v >> 8) & 0xFF);
    record[row * kRowBytes + 2] = static_cast<char>(v & 0xFF);
}

bool isWhite(const Grid& grid, int row, int column)
{
    return row >= 0 && row < kGlyphHeight && column >= 0 && column < kGlyphWidth
           && grid[row * kGlyphWidth + column] == kWhiteCell;
}
} // namespace

QByteArray ShiftedUp(const QByteArray& record)
{
    return record.mid(kRowBytes, kRecordSize - kRowBytes) + QByteArray(kRowBytes, char(0xFF));
}

QByteArray ShiftedDown(const QByteArray& record)
{
    return QByteArray(kRowBytes, char(0xFF)) + record.left(kRecordSize - kRowBytes);
}

QByteArray ShiftedLeft(const QByteArray& record)
{
    QByteArray out = record;
    for (int row = 0; row < kGlyphHeight; ++row)
        setRowValue(out, row, (rowValue(record, row) * 4 + 3) & 0xFFFFFF);
    return out;
}

QByteArray ShiftedRight(const QByteArray& record)
{
    QByteArray out = record;
    for (int row = 0; row < kGlyphHeight; ++row)
        setRowValue(out, row, (rowValue(record, row) / 4) | 0xC00000);
    return out;
}

Grid Outlined(const Grid& grid)
{
    Grid out = grid;
    for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < kGlyphWidth; ++column) {
            CellColour& cell = out[row * kGlyphWidth + column];
            if (cell == kBlackCell || cell == kWhiteCell)
                continue;
            if (isWhite(grid, row, column - 1) || isWhite(grid, row, column + 1) || isWhite(grid, row - 1, column)
                || isWhite(grid, row + 1, column))
                cell = kBlackCell;
        }
    }
    return out;
}

Grid WithoutOutline(const Grid& grid)
{
    Grid out = grid;
    for (CellColour& cell : out)
        if (cell == kBlackCell)
            cell = kTransparentCell;
    return out;
}

} // namespace kv
