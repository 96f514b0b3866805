#include "link/baud.h"

namespace kv {

namespace {
constexpr int kRates[kBaudChoices] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
}

int BaudRate(int index)
{
    return index >= 0 && index < kBaudChoices ? kRates[index] : 0;
}

QString BaudText(int index)
{
    return QString::number(BaudRate(index));
}

int BaudIndexOf(const QString& text)
{
    for (int i = 0; i < kBaudChoices; ++i)
        if (text == BaudText(i))
            return i;
    return -1;
}

QString LineSettingsText(int baud)
{
    return QString::number(baud) + QStringLiteral(",N,8,1");
}

} // namespace kv
