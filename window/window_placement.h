// The window kind's settings turned into what CreateWindowExA needs: the styles by the border kind
// rule and the boxes, and the position by the placement rule.
#pragma once

#include "platform/win32.h"
#include "window/form.h"

namespace quorvane {

struct WindowPlacement {
    DWORD style;
    DWORD extendedStyle;
    int x;
    int y;
    int width;
    int height;
};

// The placement of a window entry on a primary screen of the given size. A centred window lies at
// ((W - width) / 2, (H - height) / 2), truncated toward zero and never clamped to the screen.
WindowPlacement PlaceWindow(const FormEntry& windowEntry, int screenWidth, int screenHeight);

}  // namespace quorvane
