// Placing, stacking, showing and enabling windows: SetWindowPos with WM_WINDOWPOSCHANGING,
// WM_NCCALCSIZE and WM_WINDOWPOSCHANGED; MoveWindow; ShowWindow with WM_SHOWWINDOW;
// EnableWindow with WM_ENABLE; the rectangle and coordinate functions.
#include <algorithm>

#include "platform/api/kernel32.h"
#include "platform/user/focus_activation.h"
#include "platform/user/paint_scheduler.h"
#include "platform/user/top_level_display.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

// Moves a window within its siblings; true when the order changed.
bool Restack(Window& window, HWND insertAfter) {
    std::vector<HWND> before = SiblingList(window);
    if (window.parent == nullptr) {
        PlaceTopLevel(window, insertAfter);
        return SiblingList(window) != before;
    }
    std::vector<HWND>& siblings = SiblingList(window);
    std::erase(siblings, window.handle);
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        siblings.insert(siblings.begin(), window.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(window.handle);
    } else {
        auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
        siblings.insert(after == siblings.end() ? siblings.begin() : after + 1, window.handle);
    }
    return siblings != before;
}

// The area a window covered in its parent, in the parent's client coordinates, repaints.
void ExposeInParent(const Window& window, const RECT& rect) {
    if (window.parent == nullptr) {
        return;
    }
    gdi::Region exposed(rect);
    ChangeUpdateRegion(window.parent, &exposed, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

}  // namespace layer::user

using namespace layer::user;

BOOL WINAPI SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height,
                         UINT flags) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
        insertAfter != HWND_NOTOPMOST && (flags & SWP_NOZORDER) == 0) {
        Window* after = LookupWindowOrFail(insertAfter);
        if (after == nullptr) {
            return FALSE;
        }
        if (after->parent != window->parent) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    bool visible = (window->style & WS_VISIBLE) != 0;
    if ((flags & SWP_SHOWWINDOW) && visible) {
        flags &= ~SWP_SHOWWINDOW;
    }
    if ((flags & SWP_HIDEWINDOW) && !visible) {
        flags &= ~SWP_HIDEWINDOW;
    }
    WINDOWPOS position{handle, insertAfter, x, y, width, height, flags};
    RECT old = window->windowRect;
    if (flags & SWP_NOMOVE) {
        position.x = old.left;
        position.y = old.top;
    }
    if (flags & SWP_NOSIZE) {
        position.cx = old.right - old.left;
        position.cy = old.bottom - old.top;
    }
    if ((flags & SWP_NOSENDCHANGING) == 0) {
        SendMessageA(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
        if ((window = LookupWindowOrFail(handle)) == nullptr) {
            return FALSE;
        }
    }
    flags = position.flags;
    RECT target{position.x, position.y, position.x + std::max(position.cx, 0),
                position.y + std::max(position.cy, 0)};
    bool moved = target.left != old.left || target.top != old.top;
    bool sized = (target.right - target.left) != (old.right - old.left) ||
                 (target.bottom - target.top) != (old.bottom - old.top);
    if (!moved) {
        position.flags |= SWP_NOMOVE;
    }
    if (!sized) {
        position.flags |= SWP_NOSIZE;
    }
    RECT oldClient = window->clientRect;
    window->windowRect = target;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params{};
        params.rgrc[0] = target;
        params.rgrc[1] = old;
        params.rgrc[2] = layer::gdi::OffsetRectBy(oldClient, old.left, old.top);
        params.lppos = &position;
        SendMessageA(handle, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if ((window = LookupWindowOrFail(handle)) == nullptr) {
            return FALSE;
        }
        RECT client = params.rgrc[0];
        client.right = std::max(client.right, client.left);
        client.bottom = std::max(client.bottom, client.top);
        window->clientRect = layer::gdi::OffsetRectBy(client, -target.left, -target.top);
    }
    bool restacked = (flags & SWP_NOZORDER) == 0 && Restack(*window, insertAfter);
    if (flags & SWP_SHOWWINDOW) {
        window->style |= WS_VISIBLE;
    } else if (flags & SWP_HIDEWINDOW) {
        window->style &= ~WS_VISIBLE;
    }
    bool nowVisible = (window->style & WS_VISIBLE) != 0;
    // A top-level window carries its pixels along when it moves or changes places in the stack;
    // a child's move or restacking uncovers and covers parts of its parent and siblings.
    bool changed = sized || (flags & (SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW)) ||
                   (window->parent != nullptr && (moved || restacked));
    if (window->parent == nullptr) {
        TopLevelDisplay::Instance().Update(*window);
    }
    if (changed && (flags & SWP_NOREDRAW) == 0) {
        if (visible && (moved || sized || (flags & SWP_HIDEWINDOW))) {
            ExposeInParent(*window, old);
        }
        if (nowVisible) {
            ChangeUpdateRegion(handle, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            ExposeInParent(*window, target);
        }
    }
    if ((flags & SWP_SHOWWINDOW) && (flags & SWP_NOACTIVATE) == 0 && window->parent == nullptr) {
        ActivateWindow(handle, false);
    }
    if (LookupWindow(handle) == nullptr) {
        return TRUE;
    }
    SendMessageA(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    // A hidden window gives up the focus and activation after it has been told.
    if ((flags & SWP_HIDEWINDOW) != 0 && LookupWindow(handle) != nullptr) {
        LeaveWindow(handle, Activation::MovesOn);
    }
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(handle, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    bool wasVisible = (window->style & WS_VISIBLE) != 0;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE;
    bool show = true;
    switch (command) {
        case SW_HIDE:
            if (!wasVisible) {
                return FALSE;
            }
            show = false;
            flags |= SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_SHOWNA:
        case SW_SHOWNOACTIVATE:
        case SW_SHOWMINNOACTIVE:
            flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        default:
            flags |= SWP_SHOWWINDOW;
            if (window->parent != nullptr) {
                flags |= SWP_NOACTIVATE | SWP_NOZORDER;
            }
            break;
    }
    if (show != wasVisible) {
        SendMessageA(handle, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (LookupWindowOrFail(handle) == nullptr) {
            return wasVisible;
        }
    }
    if (show && wasVisible) {
        // Already shown: only the activation that the command asks for happens.
        if ((flags & SWP_NOACTIVATE) == 0) {
            ActivateWindow(handle, false);
        }
        return TRUE;
    }
    SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, flags);
    return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND handle) {
    Window* window = LookupWindow(handle);
    return window != nullptr && IsReallyVisible(*window) ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        window->style &= ~WS_DISABLED;
        SendMessageA(handle, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        SendMessageA(handle, WM_CANCELMODE, 0, 0);
        if ((window = LookupWindow(handle)) == nullptr) {
            return FALSE;
        }
        window->style |= WS_DISABLED;
        LeaveWindow(handle, Activation::Stays);
        if (LookupWindow(handle) != nullptr) {
            SendMessageA(handle, WM_ENABLE, FALSE, 0);
        }
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
    Window* window = LookupWindowOrFail(handle);
    return window != nullptr && (window->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL WINAPI BringWindowToTop(HWND handle) {
    return SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = ScreenWindowRect(*window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{0, 0, window->clientRect.right - window->clientRect.left,
                 window->clientRect.bottom - window->clientRect.top};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND handle, LPPOINT point) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = ScreenClientOrigin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND handle, LPPOINT point) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = ScreenClientOrigin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT fromOrigin{0, 0};
    POINT toOrigin{0, 0};
    if (from != nullptr) {
        Window* window = LookupWindowOrFail(from);
        if (window == nullptr) {
            return 0;
        }
        fromOrigin = ScreenClientOrigin(*window);
    }
    if (to != nullptr) {
        Window* window = LookupWindowOrFail(to);
        if (window == nullptr) {
            return 0;
        }
        toOrigin = ScreenClientOrigin(*window);
    }
    LONG dx = fromOrigin.x - toOrigin.x;
    LONG dy = fromOrigin.y - toOrigin.y;
    for (UINT index = 0; points != nullptr && index < count; ++index) {
        points[index].x += dx;
        points[index].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}
