#pragma once

namespace kv {

// How long a timed notice stays, in milliseconds: the seconds as given (a notice of
// at least one second), up to the longest single timer the window can run (24 days).
int NoticeMilliseconds(int seconds);

} // namespace kv
