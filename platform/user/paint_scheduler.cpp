// Update regions, WM_PAINT scheduling and the Win32 painting functions: InvalidateRect,
// ValidateRect, GetUpdateRect, UpdateWindow, RedrawWindow, BeginPaint and EndPaint.
#include "platform/user/paint_scheduler.h"

#include <algorithm>
#include <cstring>

#include "platform/api/gdi32.h"
#include "platform/api/kernel32.h"
#include "platform/gdi/object_table.h"
#include "platform/user/message_queue.h"
#include "platform/user/top_level_display.h"
#include "platform/user/visible_region.h"
#include "platform/user/window.h"
#include "platform/user/window_dc.h"

namespace layer::user {

namespace {

RECT ClientSize(const Window& window) {
    return RECT{0, 0, window.clientRect.right - window.clientRect.left,
                window.clientRect.bottom - window.clientRect.top};
}

bool NeedsPaint(const Window& window) {
    return !window.updateRegion.IsEmpty() || window.internalPaint || window.framePending;
}

HWND SearchTree(HWND handle, HWND filter) {
    Window* window = LookupWindow(handle);
    if (window == nullptr || (window->style & WS_VISIBLE) == 0) {
        return nullptr;
    }
    if (NeedsPaint(*window)) {
        MSG probe{};
        probe.hwnd = handle;
        probe.message = WM_PAINT;
        if (MatchesFilter(probe, filter, 0, 0)) {
            return handle;
        }
    }
    // Back to front, so that a transparent window paints after the siblings below it.
    for (auto it = window->children.rbegin(); it != window->children.rend(); ++it) {
        if (HWND found = SearchTree(*it, filter)) {
            return found;
        }
    }
    return nullptr;
}

void SendPaint(HWND handle) {
    Window* window = LookupWindow(handle);
    if (window == nullptr || !NeedsPaint(*window) || !IsReallyVisible(*window)) {
        return;
    }
    SendMessageA(handle, WM_PAINT, 0, 0);
}

}  // namespace

HWND FindWindowNeedingPaint(HWND filter) {
    std::vector<HWND> order = WindowTable::Instance().TopLevelOrder();
    for (HWND top : order) {
        if (HWND found = SearchTree(top, filter)) {
            return found;
        }
    }
    return nullptr;
}

void ChangeUpdateRegion(HWND handle, const gdi::Region* region, UINT flags) {
    Window* window = LookupWindow(handle);
    if (window == nullptr || !IsReallyVisible(*window)) {
        return;
    }
    gdi::Region area = region != nullptr ? *region : gdi::Region(ClientSize(*window));
    area.Intersect(ClientSize(*window));
    if (flags & RDW_INVALIDATE) {
        window->updateRegion.Union(area);
        if (flags & RDW_ERASE) {
            window->erasePending = true;
        }
        if (flags & RDW_FRAME) {
            window->framePending = true;
        }
    } else if (flags & RDW_VALIDATE) {
        window->updateRegion.Subtract(area);
        if ((flags & RDW_NOERASE) || window->updateRegion.IsEmpty()) {
            window->erasePending = false;
        }
        if (flags & RDW_NOFRAME) {
            window->framePending = false;
        }
    }
    if (flags & RDW_INTERNALPAINT) {
        window->internalPaint = true;
    }
    if (flags & RDW_NOINTERNALPAINT) {
        window->internalPaint = false;
    }
    bool children = (flags & RDW_ALLCHILDREN) != 0 ||
                    ((flags & RDW_NOCHILDREN) == 0 && (window->style & WS_CLIPCHILDREN) == 0);
    if (!children) {
        return;
    }
    gdi::Region full = region != nullptr ? *region : gdi::Region(ClientSize(*window));
    std::vector<HWND> childList = window->children;
    for (HWND child : childList) {
        Window* record = LookupWindow(child);
        if (record == nullptr || (record->style & WS_VISIBLE) == 0 ||
            !full.Intersects(record->windowRect)) {
            continue;
        }
        gdi::Region part = full;
        part.Offset(-(record->windowRect.left + record->clientRect.left),
                    -(record->windowRect.top + record->clientRect.top));
        ChangeUpdateRegion(child, &part, flags & ~RDW_NOCHILDREN);
    }
}

void EraseNow(HWND handle, bool children) {
    Window* window = LookupWindow(handle);
    if (window == nullptr || !IsReallyVisible(*window)) {
        return;
    }
    if (window->framePending) {
        window->framePending = false;
        SendMessageA(handle, WM_NCPAINT, 1, 0);
        window = LookupWindow(handle);
    }
    if (window != nullptr && window->erasePending) {
        window->erasePending = false;
        gdi::Region update = window->updateRegion;
        RECT client = SurfaceClientRect(*window);
        update.Offset(client.left, client.top);
        HDC dc = AcquireWindowDC(*window, false, (window->style & WS_CLIPCHILDREN) != 0,
                                 (window->style & WS_CLIPSIBLINGS) != 0, &update);
        if (dc != nullptr) {
            SendMessageA(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            ReleaseWindowDC(handle, dc);
        }
    }
    if (!children || (window = LookupWindow(handle)) == nullptr) {
        return;
    }
    std::vector<HWND> childList = window->children;
    for (auto it = childList.rbegin(); it != childList.rend(); ++it) {
        EraseNow(*it, true);
    }
}

void UpdateNow(HWND handle, bool children) {
    SendPaint(handle);
    Window* window = LookupWindow(handle);
    if (!children || window == nullptr) {
        return;
    }
    std::vector<HWND> childList = window->children;
    for (auto it = childList.rbegin(); it != childList.rend(); ++it) {
        UpdateNow(*it, true);
    }
}

}  // namespace layer::user

using namespace layer::user;

namespace {

// The region behind an HRGN, or null when the handle is not a live region.
const layer::gdi::Region* RegionOf(HRGN handle) {
    auto* object = layer::gdi::Objects().FindAs<layer::gdi::RegionObject>(
        handle, layer::gdi::ObjectKind::Region);
    return object != nullptr ? &object->region : nullptr;
}

}  // namespace

BOOL WINAPI RedrawWindow(HWND handle, const RECT* updateRect, HRGN updateRegion, UINT flags) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) {
        // A region takes precedence over a rectangle; neither means the whole client area.
        if (updateRegion != nullptr) {
            const layer::gdi::Region* region = RegionOf(updateRegion);
            if (region == nullptr) {
                SetLastError(ERROR_INVALID_HANDLE);
                return FALSE;
            }
            ChangeUpdateRegion(handle, region, flags);
        } else if (updateRect != nullptr) {
            layer::gdi::Region region(*updateRect);
            ChangeUpdateRegion(handle, &region, flags);
        } else {
            ChangeUpdateRegion(handle, nullptr, flags);
        }
    }
    // The windows painted now are the ones the flags affect: the children too when asked for,
    // or when the window does not clip them and they are not excluded.
    if ((window = LookupWindowOrFail(handle)) == nullptr) {
        return FALSE;
    }
    bool children = (flags & RDW_ALLCHILDREN) != 0 ||
                    ((flags & RDW_NOCHILDREN) == 0 && (window->style & WS_CLIPCHILDREN) == 0);
    if (flags & RDW_UPDATENOW) {
        EraseNow(handle, children);
        UpdateNow(handle, children);
        TopLevelDisplay::Instance().PresentDamage();
    } else if (flags & RDW_ERASENOW) {
        EraseNow(handle, children);
    }
    return TRUE;
}

BOOL WINAPI InvalidateRgn(HWND handle, HRGN region, BOOL erase) {
    if (region == nullptr) {
        return RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
    }
    return RedrawWindow(handle, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL WINAPI ValidateRgn(HWND handle, HRGN region) {
    return RedrawWindow(handle, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

int WINAPI GetUpdateRgn(HWND handle, HRGN region, BOOL erase) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return ERROR;
    }
    auto* object = layer::gdi::Objects().FindAs<layer::gdi::RegionObject>(
        region, layer::gdi::ObjectKind::Region);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    object->region = window->updateRegion;
    if (erase && !object->region.IsEmpty()) {
        EraseNow(handle, false);
    }
    size_t boxes = object->region.Rects().size();
    return boxes == 0 ? NULLREGION : boxes == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL WINAPI InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    if (handle == nullptr) {
        // The whole desktop: every top-level window repaints.
        for (HWND top : WindowTable::Instance().TopLevelOrder()) {
            RedrawWindow(top, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return TRUE;
    }
    return RedrawWindow(handle, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL WINAPI ValidateRect(HWND handle, const RECT* rect) {
    return RedrawWindow(handle, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI UpdateWindow(HWND handle) {
    return RedrawWindow(handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL WINAPI GetUpdateRect(HWND handle, LPRECT rect, BOOL erase) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    RECT bounds = window->updateRegion.Bounds();
    if (rect != nullptr) {
        *rect = bounds;
    }
    if (erase && !layer::gdi::IsRectEmpty(bounds)) {
        EraseNow(handle, false);
    }
    return layer::gdi::IsRectEmpty(bounds) ? FALSE : TRUE;
}

HDC WINAPI BeginPaint(HWND handle, LPPAINTSTRUCT paint) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || paint == nullptr) {
        if (window != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return nullptr;
    }
    if (window->framePending) {
        window->framePending = false;
        SendMessageA(handle, WM_NCPAINT, 1, 0);
        if ((window = LookupWindowOrFail(handle)) == nullptr) {
            return nullptr;
        }
    }
    layer::gdi::Region update = window->updateRegion;
    bool erase = window->erasePending;
    window->updateRegion.Clear();
    window->erasePending = false;
    window->internalPaint = false;
    window->painting = true;

    RECT client = SurfaceClientRect(*window);
    layer::gdi::Region clip = update;
    clip.Offset(client.left, client.top);
    HDC dc = AcquireWindowDC(*window, false, (window->style & WS_CLIPCHILDREN) != 0,
                             (window->style & WS_CLIPSIBLINGS) != 0, &clip);
    std::memset(paint, 0, sizeof(*paint));
    paint->hdc = dc;
    paint->rcPaint = update.Bounds();
    if (erase && dc != nullptr) {
        LRESULT erased = SendMessageA(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        paint->fErase = erased == 0;
    }
    return dc;
}

BOOL WINAPI EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    if (paint == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (Window* window = LookupWindow(handle)) {
        window->painting = false;
    }
    ReleaseWindowDC(nullptr, paint->hdc);
    return TRUE;
}
