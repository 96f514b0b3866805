#include "base/notice_time.h"

#include <algorithm>
#include <limits>

namespace kv {

int NoticeMilliseconds(int seconds)
{
    const long long milliseconds = std::max(seconds, 1) * 1000LL;
    return int(std::min<long long>(milliseconds, std::numeric_limits<int>::max()));
}

} // namespace kv
