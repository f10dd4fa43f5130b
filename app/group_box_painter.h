// The XP look of a group box: a thin grey frame with rounded corners and the caption in a gap of
// its top line. The inside of the frame is left as it is.
#pragma once

#include <string>

#include "platform/win32.h"

namespace quorvane {

struct GroupBoxPaint {
    SIZE size{0, 0};
    COLORREF background = 0;
    COLORREF textColour = 0;
    std::string text;
    HFONT font = nullptr;  // nullptr: the DC's font
    DWORD style = 0;
};

// Paints over the DC, which holds what the group box shows already, with (0, 0) at the box's
// top-left pixel.
void PaintGroupBox(HDC dc, const GroupBoxPaint& paint);

}  // namespace quorvane
