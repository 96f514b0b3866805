#include "picture/dot_matrix.h"

namespace kv {

namespace {
int bytesPerRow(int width)
{
    return (qMax(width, 0) + 7) / 8;
}

bool inkAt(const QImage& surface, int x, int y, quint32 threshold)
{
    if (x >= surface.width() || y >= surface.height())
        return false;
    return ThresholdPixel(SurfaceColour(surface.pixel(x, y)), threshold);
}

// Packs the pixels of one row segment, starting at x, into out from byte index at.
void packSegment(const QImage& surface, int x, int y, int count, quint32 threshold, QByteArray& out, qsizetype at)
{
    for (int i = 0; i < count; ++i) {
        if (inkAt(surface, x + i, y, threshold))
            out[at + i / 8] = char(quint8(out[at + i / 8]) | (0x80 >> (i % 8)));
    }
}

bool bitAt(const QByteArray& bits, qsizetype byte, int bit)
{
    return byte < bits.size() && (quint8(bits[byte]) & (0x80 >> bit)) != 0;
}
} // namespace

QImage WhiteSurface(int width, int height)
{
    QImage image(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QByteArray PackRows(const QImage& surface, int width, int height, quint32 threshold)
{
    const int row = bytesPerRow(width);
    QByteArray out(qsizetype(row) * qMax(height, 0), '\0');
    for (int y = 0; y < height; ++y)
        packSegment(surface, 0, y, width, threshold, out, qsizetype(y) * row);
    return out;
}

PackedPicture PackRowPicture(const QImage& surface, quint32 threshold)
{
    return {surface.width(), surface.height(), PackRows(surface, surface.width(), surface.height(), threshold)};
}

QByteArray PackCells(const QImage& surface, int width, int cellSize, quint32 threshold)
{
    if (cellSize <= 0)
        return {};
    const int cells = qMax(width, 0) / cellSize;
    const int row = bytesPerRow(cellSize);
    QByteArray out(qsizetype(cells) * cellSize * row, '\0');
    qsizetype at = 0;
    for (int cell = 0; cell < cells; ++cell) {
        for (int y = 0; y < cellSize; ++y, at += row)
            packSegment(surface, cell * cellSize, y, cellSize, threshold, out, at);
    }
    return out;
}

QImage UnpackRows(const QByteArray& bits, int width, int height)
{
    QImage image = WhiteSurface(width, height);
    const int row = bytesPerRow(width);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (bitAt(bits, qsizetype(y) * row + x / 8, x % 8))
                image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

QImage UnpackRows(const PackedPicture& picture)
{
    return UnpackRows(picture.bits, picture.width, picture.height);
}

QImage UnpackCells(const QByteArray& bits, int width, int cellSize)
{
    QImage image = WhiteSurface(width, cellSize);
    if (cellSize <= 0)
        return image;
    const int row = bytesPerRow(cellSize);
    for (int x = 0; x < width; ++x) {
        const int cell = x / cellSize;
        const int column = x % cellSize;
        for (int y = 0; y < cellSize; ++y) {
            const qsizetype byte = (qsizetype(cell) * cellSize + y) * row + column / 8;
            if (bitAt(bits, byte, column % 8))
                image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return image;
}

quint8 SumByte(const QByteArray& bits)
{
    quint8 sum = 0;
    for (char b : bits)
        sum = quint8(sum + quint8(b));
    return sum;
}

} // namespace kv
