// Painting a push button in the XP look, step by step from the outside in.
#include "app/push_button_painter.h"

#include "app/button_caption.h"
#include "app/solid_fill.h"
#include "app/xp_look_colours.h"
#include "app/xp_look_gradient.h"

namespace quorvane {
namespace {

const CornerColours& BandColours(const XpLookScheme& scheme, const XpLookState& state) {
    if (state.pressed) {
        return scheme.bandPressed;
    }
    if (state.hot) {
        return scheme.bandHot;
    }
    if (state.checked || state.indeterminate) {
        return scheme.bandChecked;
    }
    if (state.focused || state.defaultButton) {
        return scheme.bandFocused;
    }
    return scheme.bandNormal;
}

// The border's corner pixels become the button face and the pixels diagonally inside them the
// border colour, which cuts the corners; a disabled button softens them further.
void CutCorners(HDC dc, const PushButtonPaint& paint, COLORREF border) {
    const int right = paint.size.cx - 1;
    const int bottom = paint.size.cy - 1;
    const POINT outer[4] = {{1, 1}, {right - 1, 1}, {1, bottom - 1}, {right - 1, bottom - 1}};
    const POINT inner[4] = {{2, 2}, {right - 2, 2}, {2, bottom - 2}, {right - 2, bottom - 2}};
    const COLORREF innerColour =
        paint.state.disabled ? DarkenPacked(paint.buttonFace, 0x151515) : border;
    for (const POINT& point : outer) {
        ::SetPixel(dc, point.x, point.y, paint.buttonFace);
    }
    for (const POINT& point : inner) {
        ::SetPixel(dc, point.x, point.y, innerColour);
    }
    if (paint.state.disabled) {
        const COLORREF beside = DarkenPacked(paint.buttonFace, 0x111111);
        const POINT besideCorners[8] = {
            {1, 2},          {2, 1},          {right - 2, 1},          {right - 1, 2},
            {1, bottom - 2}, {2, bottom - 1}, {right - 2, bottom - 1}, {right - 1, bottom - 2},
        };
        for (const POINT& point : besideCorners) {
            ::SetPixel(dc, point.x, point.y, beside);
        }
    }
}

void DrawCaption(HDC dc, const PushButtonPaint& paint, const RECT& whole) {
    if (paint.text.empty()) {
        return;
    }
    RECT face = Inset(whole, 4);
    if (paint.state.pressed) {
        ::OffsetRect(&face, 1, 1);
    }
    HGDIOBJ previousFont = paint.font != nullptr ? ::SelectObject(dc, paint.font) : nullptr;
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const bool greyed = paint.state.disabled || paint.state.indeterminate;
    const COLORREF previousColour = ::SetTextColor(dc, greyed ? kDisabledCaption : kCaptionColour);
    DrawButtonCaption(dc, paint.text, face, paint.style);
    ::SetTextColor(dc, previousColour);
    ::SetBkMode(dc, previousMode);
    if (previousFont != nullptr) {
        ::SelectObject(dc, previousFont);
    }
}

}  // namespace

void PaintPushButton(HDC dc, const PushButtonPaint& paint) {
    const XpLookScheme& scheme = SchemeColours(paint.scheme);
    const RECT whole{0, 0, paint.size.cx, paint.size.cy};
    const COLORREF border =
        paint.state.disabled ? DarkenPacked(paint.buttonFace, 0x202020) : scheme.pushButtonBorder;

    FillSolid(dc, whole, paint.buttonFace);
    FrameSolid(dc, Inset(whole, 1), border);
    if (paint.state.disabled) {
        FillSolid(dc, Inset(whole, 2), kDisabledInside);
    } else {
        FillCornerGradient(dc, Inset(whole, 2), BandColours(scheme, paint.state));
        const bool sunken = paint.state.pressed || paint.state.checked || paint.state.indeterminate;
        FillCornerGradient(dc, Inset(whole, 4), sunken ? scheme.facePressed : scheme.faceNormal);
    }
    CutCorners(dc, paint, border);
    if (paint.state.focused) {
        const RECT focus = Inset(whole, 3);
        if (focus.right > focus.left && focus.bottom > focus.top) {
            ::DrawFocusRect(dc, &focus);
        }
    }
    DrawCaption(dc, paint, whole);
}

}  // namespace quorvane
