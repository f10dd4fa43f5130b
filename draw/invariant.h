// Fail-fast checks for the draw subsystem's internal invariants.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace draw {

// Ends the process with a message naming the broken invariant. Used only for conditions that
// no input can produce; bad input is always answered with a sound result instead.
[[noreturn]] inline void InvariantBroken(const char* what, const char* file, int line) {
    std::fprintf(stderr, "draw: invariant broken at %s:%d: %s\n", file, line, what);
    std::abort();
}

}  // namespace draw

#define DRAW_CHECK(condition)                                        \
    do {                                                             \
        if (!(condition)) {                                          \
            ::draw::InvariantBroken(#condition, __FILE__, __LINE__); \
        }                                                            \
    } while (false)
