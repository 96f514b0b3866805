#pragma once

#include <QByteArray>

namespace kv::sim {

// A PNG file of 8-bit RGB pixels, rows from the top, with no filtering. kvsim links Qt
// Core only, so the file is put together here from its chunks.
QByteArray EncodePng(int width, int height, const QByteArray& rgb);

} // namespace kv::sim
