#pragma once

namespace kv {

// The unit's rates by index, as the baud frames carry them: 1200 ... 115200.
int BaudOfIndex(int index); // 0 for an index the unit does not know
bool IsUnitBaud(int baud);

} // namespace kv
