// Repainting the area behind a transparent label.
#include "window/refresh_label_area.h"

#include <vector>

namespace quorvane {
namespace {

HWND TopWindowOf(HWND window) {
    for (;;) {
        if ((::GetWindowLongA(window, GWL_STYLE) & WS_POPUP) != 0) {
            return window;
        }
        HWND parent = ::GetParent(window);
        if (parent == nullptr) {
            return window;
        }
        window = parent;
    }
}

bool HasVisibleStyle(HWND window) {
    return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Appends the visible descendants of the window, children from the top of the z-order down, each
// after its own visible descendants; a hidden window is skipped with everything inside it. The
// list therefore runs from the front to the back.
void GatherVisibleDescendants(HWND window, std::vector<HWND>& gathered) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!HasVisibleStyle(child)) {
            continue;
        }
        GatherVisibleDescendants(child, gathered);
        gathered.push_back(child);
    }
}

}  // namespace

void RefreshLabelArea(HWND label) {
    if (!::IsWindow(label)) {
        return;
    }
    HWND top = TopWindowOf(label);

    RECT area;
    ::GetClientRect(label, &area);
    ::MapWindowPoints(label, nullptr, reinterpret_cast<POINT*>(&area), 2);

    RECT inTop = area;
    ::MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&inTop), 2);
    ::InvalidateRect(top, &inTop, TRUE);
    ::UpdateWindow(top);

    std::vector<HWND> gathered;
    GatherVisibleDescendants(top, gathered);
    constexpr UINT kRedrawNow =
        RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW;
    for (auto window = gathered.rbegin(); window != gathered.rend(); ++window) {
        // A window painted earlier in this loop may have destroyed another one.
        RECT bounds;
        if (!::IsWindow(*window) || !::GetWindowRect(*window, &bounds)) {
            continue;
        }
        RECT overlap;
        if (!::IntersectRect(&overlap, &bounds, &area)) {
            continue;
        }
        ::MapWindowPoints(nullptr, *window, reinterpret_cast<POINT*>(&overlap), 2);
        ::RedrawWindow(*window, &overlap, nullptr, kRedrawNow);
    }

    if (::IsWindow(label)) {
        ::InvalidateRect(label, nullptr, FALSE);
    }
}

}  // namespace quorvane
