#pragma once

#include <QtGlobal>

namespace kv {

// The time bytes take on a serial line: ten bit times each (start, eight data bits,
// stop), rounded up.
inline qint64 LineMs(qint64 bytes, int baud)
{
    return baud > 0 ? (bytes * 10 * 1000 + baud - 1) / baud : 0;
}

inline qint64 LineUs(qint64 bytes, int baud)
{
    return baud > 0 ? (bytes * 10 * 1000000 + baud - 1) / baud : 0;
}

} // namespace kv
