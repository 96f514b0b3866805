#include "font/font_table.h"

#include <utility>

namespace kv {

FontTable FontTable::fromDeviceBytes(const QByteArray& bytes)
{
    FontTable table;
    const int n = qMin<qsizetype>(bytes.size(), kFontTableSize);
    table.bytes_.replace(0, n, bytes.left(n));
    return table;
}

void FontTable::setRecord(int code, const QByteArray& record)
{
    bytes_.replace(code * kRecordSize, kRecordSize, record.left(kRecordSize));
}

QByteArray ToggleStoredOrder(const QByteArray& tableBytes)
{
    QByteArray out = tableBytes;
    for (qsizetype start = 0; start + kRecordSize <= out.size(); start += kRecordSize) {
        char* r = out.data() + start;
        for (int k = 0; k < 26; ++k)
            std::swap(r[k], r[kRecordSize - 1 - k]);
    }
    return out;
}

} // namespace kv
