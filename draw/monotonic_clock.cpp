// The draw's default tick count, read from std::chrono::steady_clock. This file is compiled
// without the GBK literal setting, because the standard <chrono> header spells a unit with a
// character that GBK lacks.
#include "draw/monotonic_clock.h"

#include <chrono>

namespace draw {

uint32_t MonotonicMilliseconds() {
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace draw
