// DrawEdge and DrawFocusRect: the three-dimensional borders and the dotted focus rectangle, pixel
// for pixel as measured.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/api/kernel32.h"
#include "platform/api/user32.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/painter.h"

using namespace layer::gdi;

namespace {

uint32_t SystemPixel(int index) {
    return PixelFromColorRef(GetSysColor(index));
}

// The two colours of one ring of an edge: top and left, then bottom and right.
struct RingColors {
    uint32_t topLeft;
    uint32_t bottomRight;
};

// The outer ring (outer = true) or the inner ring, or nothing when the edge has no such ring.
bool RingFor(UINT edge, UINT flags, bool outer, RingColors* colors) {
    const UINT raised = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    const UINT sunken = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    if ((edge & (raised | sunken)) == 0) {
        return false;
    }
    if (flags & BF_MONO) {
        const uint32_t pixel = SystemPixel(outer ? COLOR_WINDOWFRAME : COLOR_WINDOW);
        *colors = {pixel, pixel};
        return true;
    }
    if (flags & BF_FLAT) {
        const uint32_t pixel = SystemPixel(outer ? COLOR_3DSHADOW : COLOR_3DFACE);
        *colors = {pixel, pixel};
        return true;
    }
    // BF_SOFT swaps the top-left colours of the two rings: the highlight and the dark shadow
    // move to the outside.
    const bool soft = (flags & BF_SOFT) != 0;
    if (edge & raised) {
        const bool outerColors = outer != soft;
        *colors = {SystemPixel(outerColors ? COLOR_3DLIGHT : COLOR_3DHIGHLIGHT),
                   SystemPixel(outer ? COLOR_3DDKSHADOW : COLOR_3DSHADOW)};
    } else {
        const bool outerColors = outer != soft;
        *colors = {SystemPixel(outerColors ? COLOR_3DSHADOW : COLOR_3DDKSHADOW),
                   SystemPixel(outer ? COLOR_3DHIGHLIGHT : COLOR_3DLIGHT)};
    }
    return true;
}

// One ring: the left and top lines first, then the right and bottom ones over their corners,
// each side only when the flags ask for it. Returns the rectangle inside the ring.
RECT DrawRing(Painter& painter, const RECT& r, UINT flags, const RingColors& colors) {
    if (flags & BF_LEFT) {
        painter.Fill(RECT{r.left, r.top, r.left + 1, r.bottom}, colors.topLeft);
    }
    if (flags & BF_TOP) {
        painter.Fill(RECT{r.left, r.top, r.right, r.top + 1}, colors.topLeft);
    }
    if (flags & BF_RIGHT) {
        painter.Fill(RECT{r.right - 1, r.top, r.right, r.bottom}, colors.bottomRight);
    }
    if (flags & BF_BOTTOM) {
        painter.Fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, colors.bottomRight);
    }
    RECT inside = r;
    if (flags & BF_LEFT) {
        ++inside.left;
    }
    if (flags & BF_TOP) {
        ++inside.top;
    }
    if (flags & BF_RIGHT) {
        --inside.right;
    }
    if (flags & BF_BOTTOM) {
        --inside.bottom;
    }
    return inside;
}

}  // namespace

BOOL WINAPI DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    // Diagonal edges are not part of the layer; they fail rather than draw something else.
    if (rect == nullptr || (flags & BF_DIAGONAL) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Painter painter(*context);
    RECT inside = *rect;
    RingColors colors{};
    if (RingFor(edge, flags, true, &colors)) {
        inside = DrawRing(painter, inside, flags, colors);
    }
    if (RingFor(edge, flags, false, &colors)) {
        inside = DrawRing(painter, inside, flags, colors);
    }
    if (flags & BF_MIDDLE) {
        painter.Fill(inside, SystemPixel((flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
    }
    if (flags & BF_ADJUST) {
        *rect = inside;
    }
    return TRUE;
}

// The outline is walked clockwise from its top-right pixel (down the right side, along the
// bottom, up the left side, along the top), inverting every other pixel starting with the first.
// A pixel passed twice, as in a rectangle one pixel wide or high, is inverted twice. Inverting
// makes a second call restore every pixel.
BOOL WINAPI DrawFocusRect(HDC dc, const RECT* rect) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (IsRectEmpty(*rect)) {
        return TRUE;
    }
    Painter painter(*context);
    if (!painter.CanDraw()) {
        return TRUE;
    }
    const LONG right = rect->right - 1;
    const LONG bottom = rect->bottom - 1;
    const POINT corners[4] = {POINT{right, rect->top}, POINT{right, bottom},
                              POINT{rect->left, bottom}, POINT{rect->left, rect->top}};
    // Only the steps that land inside the clip's bounds are walked, so a huge rectangle costs no
    // more than the pixels it can touch.
    const RECT bounds =
        OffsetRectBy(painter.Clip().Bounds(), -painter.Origin().x, -painter.Origin().y);
    int64_t sideStart = 0;
    for (int side = 0; side < 4; ++side) {
        const POINT from = corners[side];
        const POINT to = corners[(side + 1) % 4];
        const int64_t stepX = (to.x > from.x) - (to.x < from.x);
        const int64_t stepY = (to.y > from.y) - (to.y < from.y);
        const int64_t length =
            std::max(std::llabs(int64_t{to.x} - from.x), std::llabs(int64_t{to.y} - from.y));
        int64_t first = 0;
        int64_t last = length - 1;
        const int64_t start = stepX != 0 ? from.x : from.y;
        const int64_t step = stepX != 0 ? stepX : stepY;
        const int64_t low = stepX != 0 ? bounds.left : bounds.top;
        const int64_t high = (stepX != 0 ? bounds.right : bounds.bottom) - 1;
        if (step > 0) {
            first = std::max(first, low - start);
            last = std::min(last, high - start);
        } else if (step < 0) {
            first = std::max(first, start - high);
            last = std::min(last, start - low);
        }
        for (int64_t k = first; k <= last; ++k) {
            if ((sideStart + k) % 2 == 0) {
                painter.PlotRop2(static_cast<LONG>(from.x + stepX * k),
                                 static_cast<LONG>(from.y + stepY * k), 0, R2_NOT);
            }
        }
        sideStart += length;
    }
    return TRUE;
}
