// The XP look's entry point. The restyling of the controls is not built yet, so switching the
// look on or off changes no control's painting.
#include "app/xp_look.h"

namespace quorvane {
namespace {

int32_t storedScheme = 1;

}  // namespace

int32_t SetXpLook(int32_t scheme) {
    storedScheme = scheme;
    return 1;
}

int32_t CurrentXpLookScheme() {
    return storedScheme;
}

}  // namespace quorvane
