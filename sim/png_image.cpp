#include "sim/png_image.h"

#include <QtEndian>
#include <array>

namespace kv::sim {

namespace {

std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

// The CRC-32 every PNG chunk ends with, over its type and data.
quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (char b : bytes)
        c = table[(c ^ static_cast<quint8>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type) + data;
    png += bigEndian(quint32(data.size()));
    png += typed;
    png += bigEndian(crc32(typed));
}

} // namespace

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
    QByteArray header = bigEndian(quint32(image.width)) + bigEndian(quint32(image.height));
    header += QByteArray::fromHex("0800000000"); // 8 bits, grey, deflate, no filter choice, no interlace
    // Every row starts with its filter type, 0: the bytes as they are.
    QByteArray raw;
    raw.reserve((qsizetype(image.width) + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.append('\0');
        raw.append(image.pixels.mid(qsizetype(y) * image.width, image.width));
    }
    // qCompress writes the length it was given ahead of a zlib stream; a PNG wants
    // the zlib stream alone.
    const QByteArray deflated = qCompress(raw, 9).mid(4);
    QByteArray png = QByteArray::fromHex("89504E470D0A1A0A");
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace kv::sim
