// The draw's default tick count, used until the window side installs the system's own.
#pragma once

#include <cstdint>

namespace draw {

// Milliseconds of the monotonic clock, cut to 32 bits so that it wraps after 2^32 ms like the
// system's tick count. On Linux the clock counts from system start, as the tick count does.
uint32_t MonotonicMilliseconds();

}  // namespace draw
