// Ordering of a window's focus stops for Tab, Shift+Tab and the initial focus.
#include "window/focus_stops.h"

#include <algorithm>

#include "window/main_window.h"

namespace quorvane {

std::vector<HWND> FocusStops(const MainWindow& window) {
    std::vector<Control*> candidates;
    for (Control* control : window.ControlsInFormOrder()) {
        HWND handle = control->Handle();
        if (control->Entry().focusStop && ::IsWindowVisible(handle) && ::IsWindowEnabled(handle)) {
            candidates.push_back(control);
        }
    }
    // Later in form order first among equal focus orders: reverse, then a stable sort.
    std::reverse(candidates.begin(), candidates.end());
    std::stable_sort(candidates.begin(), candidates.end(), [](Control* a, Control* b) {
        return a->Entry().focusOrder < b->Entry().focusOrder;
    });
    std::vector<HWND> stops;
    for (Control* control : candidates) {
        stops.push_back(control->Handle());
    }
    return stops;
}

HWND FirstFocusStop(const MainWindow& window) {
    const std::vector<HWND> stops = FocusStops(window);
    return stops.empty() ? nullptr : stops.front();
}

HWND NeighbourFocusStop(const MainWindow& window, HWND focus, bool forward) {
    const std::vector<HWND> stops = FocusStops(window);
    if (stops.empty()) {
        return nullptr;
    }
    auto current = std::find(stops.begin(), stops.end(), focus);
    if (current == stops.end()) {
        return forward ? stops.front() : stops.back();
    }
    const size_t index = static_cast<size_t>(current - stops.begin());
    const size_t count = stops.size();
    return stops[forward ? (index + 1) % count : (index + count - 1) % count];
}

}  // namespace quorvane
