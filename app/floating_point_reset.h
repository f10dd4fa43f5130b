// The reset of the floating-point unit that the program entry performs before any numeric work.
#pragma once

namespace quorvane {

// On 32-bit x86 the x87 unit is reinitialised (FNINIT: all exceptions masked, round to nearest,
// 64-bit significand); on other processors the floating-point environment returns to its default.
void ResetFloatingPoint();

}  // namespace quorvane
