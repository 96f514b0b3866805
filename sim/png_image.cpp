#include "sim/png_image.h"

#include <QBuffer>
#include <QImage>
#include <cstring>

namespace kv::sim {

GreyImage InkImage(const QByteArray& rows, int widthBytes, int height)
{
    GreyImage image;
    if (widthBytes <= 0 || height <= 0)
        return image;
    image.width = widthBytes * 8;
    image.height = height;
    image.pixels = QByteArray(qsizetype(image.width) * height, char(0xFF));
    const qsizetype available = std::min(rows.size(), qsizetype(widthBytes) * height);
    for (qsizetype i = 0; i < available; ++i) {
        const quint8 byte = static_cast<quint8>(rows.at(i));
        for (int bit = 0; bit < 8; ++bit) {
            if (byte & (0x80 >> bit))
                image.pixels[i * 8 + bit] = '\0';
        }
    }
    return image;
}

QByteArray EncodePng(const GreyImage& image)
{
    if (image.empty() || image.pixels.size() != qsizetype(image.width) * image.height)
        return {};
    QImage picture(image.width, image.height, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height; ++y)
        memcpy(picture.scanLine(y), image.pixels.constData() + qsizetype(y) * image.width, size_t(image.width));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

} // namespace kv::sim
