#include "font/font_record.h"

namespace kv {

namespace {
int shiftOf(int pixel)
{
    return 6 - 2 * (pixel % 4);
}
} // namespace

PixelCode PixelAt(const QByteArray& record, int pixel)
{
    const auto byte = static_cast<quint8>(record.at(pixel / 4));
    return static_cast<PixelCode>((byte >> shiftOf(pixel)) & 0b11);
}

void SetPixel(QByteArray& record, int pixel, PixelCode code)
{
    auto byte = static_cast<quint8>(record.at(pixel / 4));
    const int shift = shiftOf(pixel);
    byte = static_cast<quint8>((byte & ~(0b11 << shift)) | (static_cast<quint8>(code) << shift));
    record[pixel / 4] = static_cast<char>(byte);
}

CellColour ColourOf(PixelCode code)
{
    switch (code) {
    case PixelCode::Black:
        return kBlackCell;
    case PixelCode::White:
        return kWhiteCell;
    default:
        return kTransparentCell;
    }
}

QByteArray PackGrid(const Grid& grid)
{
    QByteArray record(kRecordSize, '\0');
    for (int p = 0; p < kGlyphPixels; ++p) {
        const CellColour c = grid[p];
        const PixelCode code = c == kBlackCell   ? PixelCode::Black
                               : c == kWhiteCell ? PixelCode::White
                                                 : PixelCode::Transparent;
        SetPixel(record, p, code);
    }
    return record;
}

Grid UnpackRecord(const QByteArray& record)
{
    Grid grid{};
    for (int p = 0; p < kGlyphPixels; ++p)
        grid[p] = ColourOf(PixelAt(record, p));
    return grid;
}

Grid FilledGrid(CellColour colour)
{
    Grid grid;
    grid.fill(colour);
    return grid;
}

} // namespace kv
