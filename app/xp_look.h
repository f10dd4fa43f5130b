// The XP look: a flat restyling of the standard controls in one of three colour schemes.
#pragma once

#include <cstdint>

namespace quorvane {

// Stores the scheme and switches the look on for schemes 1 to 3 (result 1) or off otherwise.
// For now the look itself restyles nothing: the call stores the scheme and reports success.
int32_t SetXpLook(int32_t scheme);

// The scheme of the last call; 1 before the first.
int32_t CurrentXpLookScheme();

}  // namespace quorvane
