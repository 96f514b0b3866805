#pragma once

#include <QByteArray>

namespace kv::sim {

// A picture as a person looks at it: one grey level a pixel, rows top to bottom,
// 0 black to 255 white.
struct GreyImage {
    int width = 0;
    int height = 0;
    QByteArray pixels; // width * height bytes

    bool empty() const { return width <= 0 || height <= 0; }
};

// A one-bit dot matrix in the unit's bit order (rows top to bottom, widthBytes bytes a
// row, the leftmost pixel in the most significant bit, 1 = ink) as black ink on
// white. Rows missing at the end of the bytes stay white.
GreyImage InkImage(const QByteArray& rows, int widthBytes, int height);

// The image as the bytes of a PNG file (8-bit greyscale). An empty image gives none.
QByteArray EncodePng(const GreyImage& image);

} // namespace kv::sim
