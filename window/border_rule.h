// The border rule of edit boxes and labels: the edge styles that a border setting stands for,
// applied right after creation with a frame change.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace quorvane {

struct BorderStyles {
    DWORD style;
    DWORD extendedStyle;
};

// The styles after applying the border setting to the ones the window has.
BorderStyles StylesWithBorder(BorderStyles current, int32_t border);

void ApplyBorder(HWND window, int32_t border);

}  // namespace quorvane
