// The XP look of a push button: ring, border, band, face, cut corners, focus rectangle, caption.
#pragma once

#include <cstdint>
#include <string>

#include "app/xp_look_record.h"
#include "platform/win32.h"

namespace quorvane {

struct PushButtonPaint {
    SIZE size{0, 0};
    XpLookState state;
    int32_t scheme = 2;
    COLORREF buttonFace = 0;
    std::string text;
    HFONT font = nullptr;  // nullptr: the DC's font
    DWORD style = 0;
};

// Paints the whole button into the DC, with (0, 0) at the button's top-left pixel.
void PaintPushButton(HDC dc, const PushButtonPaint& paint);

}  // namespace quorvane
