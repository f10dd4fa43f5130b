// Window device contexts and GetDC, GetDCEx, GetWindowDC, ReleaseDC, WindowFromDC.
#include "platform/user/window_dc.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/api/kernel32.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/object_table.h"
#include "platform/user/top_level_display.h"
#include "platform/user/visible_region.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

struct HeldDC {
    HDC dc = nullptr;
    HWND window = nullptr;  // null for the screen DC
    HWND root = nullptr;
};

std::vector<HeldDC>& Held() {
    static std::vector<HeldDC> held;
    return held;
}

// GetDC(NULL) gives a DC on the screen; the layer draws no desktop, so it is a DC that measures
// text and draws nowhere.
gdi::Surface& ScreenSurface() {
    static gdi::Surface surface(1, 1);
    return surface;
}

void Release(const HeldDC& entry) {
    if (gdi::DeviceContext* context = gdi::LookupDC(entry.dc)) {
        if (entry.root != nullptr) {
            TopLevelDisplay::Instance().AddDamage(entry.root, context->VisibleRegion().Bounds());
        }
    }
    gdi::DestroyWindowDC(entry.dc);
}

}  // namespace

HDC AcquireWindowDC(Window& window, bool wholeWindow, bool clipChildren, bool clipSiblings,
                    const gdi::Region* intersect) {
    Window* root = RootOf(window.handle);
    if (root == nullptr || root->surface == nullptr) {
        return nullptr;
    }
    gdi::Region visible = VisibleRegion(window, wholeWindow ? DrawArea::Whole : DrawArea::Client,
                                        clipChildren, clipSiblings);
    if (intersect != nullptr) {
        visible.Intersect(*intersect);
    }
    RECT area = wholeWindow ? SurfaceWindowRect(window) : SurfaceClientRect(window);
    HDC dc = gdi::CreateWindowDC(window.handle, root->surface.get(), POINT{area.left, area.top},
                                 std::move(visible));
    if (dc != nullptr) {
        Held().push_back(HeldDC{dc, window.handle, root->handle});
    }
    return dc;
}

bool ReleaseWindowDC(HWND window, HDC dc) {
    std::vector<HeldDC>& held = Held();
    auto found = std::find_if(held.begin(), held.end(), [&](const HeldDC& entry) {
        return entry.dc == dc && (window == nullptr || entry.window == window);
    });
    if (found == held.end()) {
        return false;
    }
    HeldDC entry = *found;
    held.erase(found);
    Release(entry);
    return true;
}

void ReleaseAllWindowDCs(HWND window) {
    std::vector<HeldDC>& held = Held();
    std::vector<HeldDC> mine;
    for (const HeldDC& entry : held) {
        if (entry.window == window) {
            mine.push_back(entry);
        }
    }
    std::erase_if(held, [&](const HeldDC& entry) { return entry.window == window; });
    for (const HeldDC& entry : mine) {
        Release(entry);
    }
}

}  // namespace layer::user

using namespace layer::user;

HDC WINAPI GetDCEx(HWND handle, HRGN clip, DWORD flags) {
    if (handle == nullptr) {
        HDC dc = layer::gdi::CreateWindowDC(nullptr, &ScreenSurface(), POINT{0, 0},
                                            layer::gdi::Region());
        if (dc != nullptr) {
            Held().push_back(HeldDC{dc, nullptr, nullptr});
        }
        return dc;
    }
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    bool clipChildren = (flags & DCX_CLIPCHILDREN) != 0;
    bool clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
    // The extra region is in screen coordinates; (HRGN)1, which WM_NCPAINT passes for "all of
    // it", and regions that are not live limit nothing.
    auto* region = layer::gdi::Objects().FindAs<layer::gdi::RegionObject>(
        clip, layer::gdi::ObjectKind::Region);
    if (region == nullptr || (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) == 0) {
        return AcquireWindowDC(*window, (flags & DCX_WINDOW) != 0, clipChildren, clipSiblings,
                               nullptr);
    }
    Window* root = RootOf(handle);
    layer::gdi::Region limit = region->region;
    limit.Offset(-root->windowRect.left, -root->windowRect.top);
    if (flags & DCX_EXCLUDERGN) {
        layer::gdi::Region everything(0, 0, root->windowRect.right - root->windowRect.left,
                                      root->windowRect.bottom - root->windowRect.top);
        everything.Subtract(limit);
        limit = std::move(everything);
    }
    return AcquireWindowDC(*window, (flags & DCX_WINDOW) != 0, clipChildren, clipSiblings, &limit);
}

HDC WINAPI GetDC(HWND handle) {
    if (handle == nullptr) {
        return GetDCEx(nullptr, nullptr, 0);
    }
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    return AcquireWindowDC(*window, false, (window->style & WS_CLIPCHILDREN) != 0,
                           (window->style & WS_CLIPSIBLINGS) != 0, nullptr);
}

HDC WINAPI GetWindowDC(HWND handle) {
    if (handle == nullptr) {
        return GetDCEx(nullptr, nullptr, 0);
    }
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    return AcquireWindowDC(*window, true, (window->style & WS_CLIPCHILDREN) != 0,
                           (window->style & WS_CLIPSIBLINGS) != 0, nullptr);
}

int WINAPI ReleaseDC(HWND handle, HDC dc) {
    // Like the system, a DC is released whatever window is named with it, as long as it is one
    // that GetDC handed out.
    (void)handle;
    if (!ReleaseWindowDC(nullptr, dc)) {
        return 0;
    }
    // Drawing through GetDC, outside the paint cycle, shows at once, as it does on a screen.
    TopLevelDisplay::Instance().PresentDamage();
    return 1;
}

HWND WINAPI WindowFromDC(HDC dc) {
    for (const HeldDC& entry : Held()) {
        if (entry.dc == dc) {
            return entry.window;
        }
    }
    return nullptr;
}
