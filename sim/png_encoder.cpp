#include "sim/png_encoder.h"

#include <QtEndian>

namespace kv::sim {

namespace {
quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type, 4) + data;
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc32(typed));
}
} // namespace

QByteArray EncodePng(int width, int height, const QByteArray& rgb)
{
    QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height));
    header.append(char(8)); // bits per sample
    header.append(char(2)); // RGB
    header.append(3, '\0'); // deflate, adaptive filtering, no interlace
    QByteArray rows;
    const qsizetype rowBytes = qsizetype(width) * 3;
    for (int y = 0; y < height; ++y)
        rows += char(0) + rgb.mid(y * rowBytes, rowBytes);
    // qCompress puts the length before the zlib stream; PNG wants the stream alone.
    const QByteArray stream = qCompress(rows).mid(4);
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + chunk("IHDR", header) + chunk("IDAT", stream) + chunk("IEND", {});
}

} // namespace kv::sim
