// The XP look: a flat restyling of the standard controls of the thread's windows in one of three
// colour schemes.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace quorvane {

// Stores the scheme. For schemes 1 to 3 switches the look off and on again, so that every window
// of the thread, and every window the thread creates from now on, is restyled in that scheme;
// returns 1. For any other value switches the look off, giving every restyled window its own
// painting back; returns non-zero when the look was on, 0 when it was off already.
int32_t SetXpLook(int32_t scheme);

// The scheme of the last call; 1 before the first.
int32_t CurrentXpLookScheme();

// Whether the look is on, and whether it has restyled this window.
bool XpLookIsOn();
bool XpLookRestyles(HWND window);

}  // namespace quorvane
