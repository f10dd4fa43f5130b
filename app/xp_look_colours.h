// The XP look's colour schemes: the push button and edit box colours of schemes 1 to 3 as one
// table, and the fixed colours that every scheme shares.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace quorvane {

// A gradient over a rectangle, by the colours of its four corners. A plain vertical gradient has
// equal top colours and equal bottom colours; a flat colour has all four equal.
struct CornerColours {
    COLORREF topLeft;
    COLORREF topRight;
    COLORREF bottomLeft;
    COLORREF bottomRight;
};

constexpr CornerColours Vertical(COLORREF top, COLORREF bottom) {
    return {top, top, bottom, bottom};
}
constexpr CornerColours Flat(COLORREF colour) {
    return {colour, colour, colour, colour};
}

struct XpLookScheme {
    COLORREF pushButtonBorder;
    CornerColours bandNormal;
    CornerColours bandHot;
    CornerColours bandPressed;
    CornerColours bandChecked;
    CornerColours bandFocused;
    CornerColours faceNormal;
    CornerColours facePressed;
    COLORREF editBorder;
};

// The scheme's colours; a value outside 1 to 3 (the look is then off and paints nothing) gives
// scheme 1 so that a stray paint still draws sensibly.
const XpLookScheme& SchemeColours(int32_t scheme);

// Colours that do not depend on the scheme.
constexpr COLORREF kDisabledInside = RGB(245, 244, 234);
constexpr COLORREF kDisabledCaption = RGB(165, 162, 148);
constexpr COLORREF kCaptionColour = RGB(0, 0, 0);
constexpr COLORREF kGroupFrame = RGB(191, 184, 191);

// The look darkens a system colour by subtracting a constant from its packed 0x00BBGGRR value,
// borrows between channels included.
constexpr COLORREF DarkenPacked(COLORREF colour, uint32_t amount) {
    return static_cast<COLORREF>((static_cast<uint32_t>(colour) - amount) & 0x00FFFFFFu);
}

}  // namespace quorvane
