// The region and clipping functions of gdi32: HRGN objects and their algebra (pixman's, through
// Region), and the application clip region of a DC, kept in device units relative to its origin.
#include <algorithm>

#include "platform/api/kernel32.h"
#include "platform/gdi/object_table.h"

using namespace layer::gdi;

namespace {

RegionObject* FindRegion(HRGN region) {
    return Objects().FindAs<RegionObject>(region, ObjectKind::Region);
}

// Region functions put the corners of a rectangle in order before they use it.
RECT OrderedRect(LONG left, LONG top, LONG right, LONG bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

int Complexity(const Region& region) {
    if (region.IsEmpty()) {
        return NULLREGION;
    }
    return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// The area a DC may draw in, in its own coordinates: where the clip starts from when the
// application has set none.
Region DrawableArea(const DeviceContext& dc) {
    if (dc.Target() == nullptr) {
        return Region();
    }
    Region area(0, 0, dc.Target()->Width(), dc.Target()->Height());
    area.Offset(-dc.Origin().x, -dc.Origin().y);
    return area;
}

Region CurrentClip(const DeviceContext& dc) {
    return dc.State().hasClipRegion ? dc.State().clipRegion : DrawableArea(dc);
}

int SetClip(DeviceContext& dc, Region clip) {
    dc.State().hasClipRegion = true;
    dc.State().clipRegion = std::move(clip);
    dc.InvalidateClip();
    return Complexity(dc.EffectiveClip());
}

}  // namespace

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    return static_cast<HRGN>(Objects().Add(
        std::make_unique<RegionObject>(Region(OrderedRect(left, top, right, bottom)))));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int WINAPI CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
    RegionObject* target = FindRegion(destination);
    RegionObject* first = FindRegion(source1);
    if (target == nullptr || first == nullptr) {
        return ERROR;
    }
    if (mode == RGN_COPY) {
        target->region = first->region;
        return Complexity(target->region);
    }
    RegionObject* second = FindRegion(source2);
    if (second == nullptr || mode < RGN_AND || mode > RGN_DIFF) {
        return ERROR;
    }
    // Work on a copy: the destination may also be one of the sources.
    Region result = first->region;
    switch (mode) {
        case RGN_AND:
            result.Intersect(second->region);
            break;
        case RGN_OR:
            result.Union(second->region);
            break;
        case RGN_XOR:
            result.Xor(second->region);
            break;
        case RGN_DIFF:
            result.Subtract(second->region);
            break;
    }
    target->region = std::move(result);
    return Complexity(target->region);
}

BOOL WINAPI SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    RegionObject* object = FindRegion(region);
    if (object == nullptr) {
        return FALSE;
    }
    object->region.SetRect(OrderedRect(left, top, right, bottom));
    return TRUE;
}

int WINAPI OffsetRgn(HRGN region, int dx, int dy) {
    RegionObject* object = FindRegion(region);
    if (object == nullptr) {
        return ERROR;
    }
    object->region.Offset(dx, dy);
    return Complexity(object->region);
}

BOOL WINAPI PtInRegion(HRGN region, int x, int y) {
    RegionObject* object = FindRegion(region);
    return object != nullptr && object->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL WINAPI RectInRegion(HRGN region, const RECT* rect) {
    RegionObject* object = FindRegion(region);
    if (object == nullptr || rect == nullptr) {
        return FALSE;
    }
    const RECT ordered = OrderedRect(rect->left, rect->top, rect->right, rect->bottom);
    return object->region.Intersects(ordered) ? TRUE : FALSE;
}

BOOL WINAPI EqualRgn(HRGN region1, HRGN region2) {
    RegionObject* first = FindRegion(region1);
    RegionObject* second = FindRegion(region2);
    if (first == nullptr || second == nullptr) {
        return ERROR;
    }
    return first->region == second->region ? TRUE : FALSE;
}

int WINAPI GetRgnBox(HRGN region, LPRECT rect) {
    RegionObject* object = FindRegion(region);
    if (object == nullptr || rect == nullptr) {
        return ERROR;
    }
    *rect = object->region.Bounds();
    return Complexity(object->region);
}

int WINAPI SelectClipRgn(HDC dc, HRGN region) {
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int WINAPI ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return ERROR;
    }
    if (region == nullptr) {
        // Without a region only RGN_COPY means something: it takes the clip away.
        if (mode != RGN_COPY) {
            return ERROR;
        }
        context->State().hasClipRegion = false;
        context->State().clipRegion.Clear();
        context->InvalidateClip();
        return Complexity(context->EffectiveClip());
    }
    RegionObject* object = FindRegion(static_cast<HRGN>(region));
    if (object == nullptr || mode < RGN_AND || mode > RGN_COPY) {
        SetLastError(object == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    Region clip = mode == RGN_COPY ? object->region : CurrentClip(*context);
    switch (mode) {
        case RGN_AND:
            clip.Intersect(object->region);
            break;
        case RGN_OR:
            clip.Union(object->region);
            break;
        case RGN_XOR:
            clip.Xor(object->region);
            break;
        case RGN_DIFF:
            clip.Subtract(object->region);
            break;
        default:
            break;
    }
    return SetClip(*context, std::move(clip));
}

int WINAPI IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return ERROR;
    }
    Region clip = CurrentClip(*context);
    clip.Intersect(OrderedRect(left, top, right, bottom));
    return SetClip(*context, std::move(clip));
}

int WINAPI ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return ERROR;
    }
    Region clip = CurrentClip(*context);
    clip.Subtract(OrderedRect(left, top, right, bottom));
    return SetClip(*context, std::move(clip));
}

int WINAPI GetClipBox(HDC dc, LPRECT rect) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr || rect == nullptr) {
        return ERROR;
    }
    const Region& clip = context->EffectiveClip();
    const RECT bounds = clip.Bounds();
    *rect = clip.IsEmpty() ? RECT{0, 0, 0, 0}
                           : OffsetRectBy(bounds, -context->Origin().x, -context->Origin().y);
    return Complexity(clip);
}

int WINAPI GetClipRgn(HDC dc, HRGN region) {
    DeviceContext* context = CheckedDC(dc);
    RegionObject* object = FindRegion(region);
    if (context == nullptr || object == nullptr) {
        return -1;
    }
    if (!context->State().hasClipRegion) {
        return 0;
    }
    object->region = context->State().clipRegion;
    return 1;
}
