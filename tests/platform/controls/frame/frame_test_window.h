// What the frame tests share: a captioned test window that records the messages the frame sends
// it, and the program loop that ends when the window is destroyed.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace layer::testing {

// The test window: 405 x 238 at (100, 100), WS_CAPTION | WS_SYSMENU unless told otherwise.
constexpr RECT kFrameWindowRect{100, 100, 505, 338};

struct FrameRecord {
    std::vector<UINT> messages;    // WM_CLOSE, WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE, ...
    std::vector<WPARAM> commands;  // WM_SYSCOMMAND's wParam
    bool loopEnded = false;
    int count(UINT message) const;
};
FrameRecord& Record();

// Creates the visible, active test window titled "Quorvane" with the application icon.
HWND CreateFrameWindow(DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                       const RECT& rect = kFrameWindowRect);
// Retrieves, translates and dispatches messages until WM_QUIT (posted by WM_DESTROY).
void RunFrameLoop();

// A point given in the test window's own coordinates, on the screen.
inline POINT OnWindow(HWND window, int x, int y) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    return POINT{rect.left + x, rect.top + y};
}

}  // namespace layer::testing
