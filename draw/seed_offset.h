// Access to the process-wide seed offset for tests and diagnostics. The program itself only
// advances it, through SeedFromClock.
#pragma once

#include <cstdint>

namespace draw {

uint32_t SeedOffset();
// Puts the seed offset to a known value, as if the program had just started (0) or had seen
// a given history of clicks.
void SetSeedOffset(uint32_t offset);

}  // namespace draw
