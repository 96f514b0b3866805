#pragma once

// One-bit dot matrices, the form in which the unit takes every picture.
//
// A drawing surface is a QImage (RGB32, black ink on white). Whether a pixel is ink is
// decided on its colour as the surface reports it, packed 0x00BBGGRR with blue in the
// high byte: ink when that value is below the threshold of the purpose. Blue thus
// weighs most, then green, then red; units and stored threshold settings expect that
// order, so it is kept.
//
// Two byte orders: rows (static pictures, the logo) and square cells (picture
// messages). In both, 8 pixels per byte, the leftmost pixel in the top bit, 1 = ink.
// The Unpack functions turn bytes back into a black-on-white QImage, so a preview is
// drawn from exactly the bytes that go on the line.

#include <QByteArray>
#include <QImage>
#include <QRgb>

namespace kv {

// Ink thresholds: typed text and picture files ink below light grey (grey 213 and
// darker); the edit pages' character download inks everything that is not pure white.
constexpr quint32 kGreyInkThreshold = 0xD64000;
constexpr quint32 kAnyInkThreshold = 0xFFFFFF;

// A packed picture: width and height in pixels and the matrix bytes. For cell order the
// height is the cell size and the width a multiple of it.
struct PackedPicture {
    int width = 0;
    int height = 0;
    QByteArray bits;
    bool operator==(const PackedPicture&) const = default;
};

// The surface colour of a Qt pixel: 0x00BBGGRR.
constexpr quint32 SurfaceColour(QRgb pixel)
{
    return (quint32(qBlue(pixel)) << 16) | (quint32(qGreen(pixel)) << 8) | quint32(qRed(pixel));
}

constexpr bool ThresholdPixel(quint32 surfaceColour, quint32 threshold)
{
    return surfaceColour < threshold;
}

// A blank drawing surface, at least one pixel each way.
QImage WhiteSurface(int width, int height);

// Rows top to bottom, each width / 8 bytes (rounded up). Pixels outside the image read
// as background.
QByteArray PackRows(const QImage& surface, int width, int height, quint32 threshold);
PackedPicture PackRowPicture(const QImage& surface, quint32 threshold);

// Square cells of cellSize x cellSize pixels, left to right, each whole before the
// next, its rows top to bottom of cellSize / 8 bytes. width is a multiple of cellSize.
QByteArray PackCells(const QImage& surface, int width, int cellSize, quint32 threshold);

// The picture the bytes describe, black ink on white; missing bytes read as background.
QImage UnpackRows(const QByteArray& bits, int width, int height);
QImage UnpackCells(const QByteArray& bits, int width, int cellSize);
QImage UnpackRows(const PackedPicture& picture);

// The byte that follows a matrix: the sum of its bytes modulo 256.
quint8 SumByte(const QByteArray& bits);

} // namespace kv
