#include "base/number_items.h"

namespace kv {

QStringList NumberItems(int first, int last)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << QString::number(n);
    return out;
}

} // namespace kv
