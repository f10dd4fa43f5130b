// Computing visible regions from the window tree.
#include "platform/user/visible_region.h"

#include <algorithm>

#include "platform/user/window.h"

namespace layer::user {

namespace {

void SubtractHigherSiblings(const Window& window, gdi::Region& region) {
    const std::vector<HWND>& siblings = SiblingList(window);
    for (HWND sibling : siblings) {
        if (sibling == window.handle) {
            break;
        }
        const Window* other = LookupWindow(sibling);
        if (other != nullptr && (other->style & WS_VISIBLE) != 0 &&
            (other->exStyle & WS_EX_TRANSPARENT) == 0) {
            region.Subtract(SurfaceWindowRect(*other));
        }
    }
}

}  // namespace

RECT SurfaceWindowRect(const Window& window) {
    POINT offset = SurfaceOffset(window);
    return RECT{offset.x, offset.y, offset.x + (window.windowRect.right - window.windowRect.left),
                offset.y + (window.windowRect.bottom - window.windowRect.top)};
}

RECT SurfaceClientRect(const Window& window) {
    POINT offset = SurfaceOffset(window);
    return gdi::OffsetRectBy(window.clientRect, offset.x, offset.y);
}

gdi::Region VisibleRegion(const Window& window, DrawArea area, bool clipChildren,
                          bool clipSiblings) {
    if (!IsReallyVisible(window)) {
        return gdi::Region();
    }
    gdi::Region region(area == DrawArea::Client ? SurfaceClientRect(window)
                                                : SurfaceWindowRect(window));
    if (clipChildren) {
        for (HWND child : window.children) {
            const Window* record = LookupWindow(child);
            if (record != nullptr && (record->style & WS_VISIBLE) != 0 &&
                (record->exStyle & WS_EX_TRANSPARENT) == 0) {
                region.Subtract(SurfaceWindowRect(*record));
            }
        }
    }
    if (clipSiblings && window.parent != nullptr) {
        SubtractHigherSiblings(window, region);
    }
    // Every ancestor's client area bounds what a descendant shows; an ancestor that clips its
    // siblings also loses what its higher siblings cover.
    const Window* current = &window;
    while (current->parent != nullptr) {
        const Window* parent = LookupWindow(current->parent);
        if (parent == nullptr) {
            break;
        }
        region.Intersect(SurfaceClientRect(*parent));
        if (parent->parent != nullptr && (parent->style & WS_CLIPSIBLINGS) != 0) {
            SubtractHigherSiblings(*parent, region);
        }
        current = parent;
    }
    return region;
}

}  // namespace layer::user
