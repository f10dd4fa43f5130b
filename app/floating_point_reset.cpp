// The floating-point reset of the program entry.
#include "app/floating_point_reset.h"

#include <cfenv>

namespace quorvane {

void ResetFloatingPoint() {
#if defined(__i386__) && defined(__GNUC__)
    __asm__ __volatile__("fninit");
#else
    std::fesetenv(FE_DFL_ENV);
#endif
}

}  // namespace quorvane
