#include "decode/baud_rates.h"

#include <array>

namespace kv {

namespace {
constexpr std::array kRates{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
}

int BaudOfIndex(int index)
{
    return index >= 0 && index < int(kRates.size()) ? kRates[index] : 0;
}

bool IsUnitBaud(int baud)
{
    for (int rate : kRates) {
        if (rate == baud)
            return true;
    }
    return false;
}

} // namespace kv
