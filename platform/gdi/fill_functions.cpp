// Rectangle and pixel drawing: FillRect, FrameRect, PatBlt, Rectangle, MoveToEx, LineTo and the
// single-pixel functions.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/api/kernel32.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/painter.h"
#include "platform/gdi/pen_stroke.h"
#include "platform/gdi/raster_operation.h"
#include "platform/gdi/stock_objects.h"

using namespace layer::gdi;

namespace {

// The pixel a brush paints, or nothing for the null brush.
std::optional<uint32_t> BrushPixel(const BrushObject& brush) {
    if (brush.brush.lbStyle == BS_NULL) {
        return std::nullopt;
    }
    return PixelFromColorRef(brush.brush.lbColor);
}

// The rectangle that a point and an extent cover. A negative extent reaches back from the point,
// the point's own pixel included: (5, 4) with extent (-4, -3) covers (2, 2) to (6, 5), as
// measured for FillRect and PatBlt.
RECT RectFromExtent(int64_t x, int64_t y, int64_t width, int64_t height) {
    const int64_t left = width < 0 ? x + width + 1 : x;
    const int64_t top = height < 0 ? y + height + 1 : y;
    auto clamp = [](int64_t value) {
        return static_cast<LONG>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return RECT{clamp(left), clamp(top), clamp(left + (width < 0 ? -width : width)),
                clamp(top + (height < 0 ? -height : height))};
}

// The value SetPixel reports: the colour as a 32-bit surface holds it.
COLORREF StoredColor(COLORREF color) {
    return color & kColorBits;
}

}  // namespace

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = CheckedDC(dc);
    const BrushObject* object = ResolveBrush(brush);
    if (context == nullptr || rect == nullptr || object == nullptr) {
        if (context != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return 0;
    }
    if (const std::optional<uint32_t> pixel = BrushPixel(*object)) {
        const RECT& r = *rect;
        Painter(*context).Fill(
            RectFromExtent(r.left, r.top, int64_t{r.right} - r.left, int64_t{r.bottom} - r.top),
            *pixel);
    }
    return 1;
}

int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = CheckedDC(dc);
    const BrushObject* object = ResolveBrush(brush);
    if (context == nullptr || rect == nullptr || object == nullptr) {
        if (context != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return 0;
    }
    // An empty or inverted rectangle has no frame; Windows reports it as a failure.
    if (IsRectEmpty(*rect)) {
        return 0;
    }
    if (const std::optional<uint32_t> pixel = BrushPixel(*object)) {
        Painter painter(*context);
        const RECT& r = *rect;
        painter.Fill(RECT{r.left, r.top, r.right, r.top + 1}, *pixel);
        painter.Fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, *pixel);
        painter.Fill(RECT{r.left, r.top, r.left + 1, r.bottom}, *pixel);
        painter.Fill(RECT{r.right - 1, r.top, r.right, r.bottom}, *pixel);
    }
    return 1;
}

BOOL WINAPI PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    // PatBlt has no source; an operation that reads one is refused.
    if (Rop3UsesSource(rop)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT rect = RectFromExtent(x, y, width, height);
    Painter painter(*context);
    std::optional<uint32_t> pattern;
    if (Rop3UsesPattern(rop)) {
        const BrushObject* brush = ResolveBrush(context->State().brush);
        pattern = brush != nullptr ? BrushPixel(*brush) : std::nullopt;
        if (!pattern) {
            return TRUE;  // the null brush paints nothing
        }
    }
    switch (rop) {
        case PATCOPY:
            painter.Fill(rect, *pattern);
            break;
        case BLACKNESS:
            painter.Fill(rect, 0x000000);
            break;
        case WHITENESS:
            painter.Fill(rect, 0xFFFFFF);
            break;
        default:
            painter.CombinePattern(rect, pattern.value_or(0), rop);
            break;
    }
    return TRUE;
}

BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    const RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right),
                 std::max(top, bottom)};
    const PenObject* pen = Objects().FindAs<PenObject>(context->State().pen, ObjectKind::Pen);
    const bool outlined = pen != nullptr && pen->pen.lopnStyle != PS_NULL;
    // The outline takes the right and bottom pixels that a null pen leaves out.
    const RECT inside = outlined ? RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}
                                 : RECT{r.left, r.top, r.right - 1, r.bottom - 1};
    const BrushObject* brush = ResolveBrush(context->State().brush);
    if (brush != nullptr) {
        if (const std::optional<uint32_t> pixel = BrushPixel(*brush)) {
            Painter painter(*context);
            if (context->State().rop2 == R2_COPYPEN) {
                painter.Fill(inside, *pixel);
            } else {
                painter.Combine(inside, *pixel, context->State().rop2);
            }
        }
    }
    if (outlined && r.right - r.left >= 1 && r.bottom - r.top >= 1) {
        const POINT corners[4] = {POINT{r.left, r.top}, POINT{r.right - 1, r.top},
                                  POINT{r.right - 1, r.bottom - 1}, POINT{r.left, r.bottom - 1}};
        for (int i = 0; i < 4; ++i) {
            StrokeLine(*context, corners[i], corners[(i + 1) % 4]);
        }
    }
    return TRUE;
}

BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (previous != nullptr) {
        *previous = context->State().currentPosition;
    }
    context->State().currentPosition = POINT{x, y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC dc, int x, int y) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    StrokeLine(*context, context->State().currentPosition, POINT{x, y});
    context->State().currentPosition = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC dc, LPPOINT position) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr || position == nullptr) {
        return FALSE;
    }
    *position = context->State().currentPosition;
    return TRUE;
}

// A pixel outside the clip is not set, and the call reports that as a failure.
COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    Painter painter(*context);
    if (!painter.IsVisible(x, y)) {
        return CLR_INVALID;
    }
    painter.Plot(x, y, PixelFromColorRef(color));
    return StoredColor(color);
}

BOOL WINAPI SetPixelV(HDC dc, int x, int y, COLORREF color) {
    return SetPixel(dc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    Painter painter(*context);
    if (!painter.IsVisible(x, y)) {
        return CLR_INVALID;
    }
    return ColorRefFromPixel(painter.PixelAt(x, y));
}
