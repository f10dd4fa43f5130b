// The frame's default behaviour: a press on the caption starts the move loop, a press on a
// caption button tracks it, the icon and a right-click open the system menu, and the system
// commands close, move or open the menu.
#include "platform/user/frame/frame_messages.h"

#include "platform/user/focus_activation.h"
#include "platform/user/frame/caption_button_tracker.h"
#include "platform/user/frame/move_loop.h"
#include "platform/user/menu/system_menu_popup.h"
#include "platform/user/nonclient_metrics.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

POINT PointFrom(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

HWND TopLevelOf(HWND window) {
    Window* root = RootOf(window);
    return root != nullptr ? root->handle : nullptr;
}

WPARAM CommandFor(CaptionButton button) {
    switch (button) {
        case CaptionButton::Close:
            return SC_CLOSE;
        case CaptionButton::Maximize:
            return SC_MAXIMIZE;
        case CaptionButton::Minimize:
            return SC_MINIMIZE;
        default:
            return 0;
    }
}

// Where a menu opened from the keyboard or the icon appears: under the icon, at the client
// area's left edge.
POINT MenuUnderIcon(HWND handle) {
    const Window* window = LookupWindow(handle);
    RECT outer = ScreenWindowRect(*window);
    RECT caption = CaptionRect(*window);
    return POINT{outer.left + caption.left, outer.top + caption.bottom};
}

}  // namespace

LRESULT FrameLeftButtonDown(HWND window, WPARAM hit, LPARAM screenPoint) {
    HWND top = TopLevelOf(window);
    if (top == nullptr) {
        return 0;
    }
    switch (hit) {
        case HTCAPTION:
            ActivateWindow(top, true);
            if (::IsWindow(window)) {
                ::SendMessageA(window, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, screenPoint);
            }
            return 0;
        case HTSYSMENU:
            ActivateWindow(top, true);
            if (::IsWindow(window)) {
                ::SendMessageA(window, WM_SYSCOMMAND, kMouseMenuCommand + HTSYSMENU, screenPoint);
            }
            return 0;
        case HTCLOSE:
        case HTMAXBUTTON:
        case HTMINBUTTON: {
            ActivateWindow(top, true);
            CaptionButton button = CaptionButtonForHit(static_cast<LRESULT>(hit));
            if (TrackCaptionButton(window, button) && ::IsWindow(window)) {
                ::SendMessageA(window, WM_SYSCOMMAND, CommandFor(button), screenPoint);
            }
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT FrameLeftDoubleClick(HWND window, WPARAM hit, LPARAM screenPoint) {
    // A double-click on the icon closes the window, as its menu's default item says.
    if (hit == HTSYSMENU && CaptionButtonEnabled(window, CaptionButton::Close)) {
        ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, screenPoint);
    }
    return 0;
}

LRESULT FrameRightButtonUp(HWND window, WPARAM hit, LPARAM screenPoint) {
    if (hit == HTCAPTION || hit == HTSYSMENU) {
        HWND top = TopLevelOf(window);
        if (top != nullptr && (::GetWindowLongA(top, GWL_STYLE) & WS_SYSMENU)) {
            SystemMenuPopup::Run(top, PointFrom(screenPoint), false);
        }
    }
    return 0;
}

LRESULT FrameSystemCommand(HWND window, WPARAM command, LPARAM lParam) {
    if (!::IsWindow(window)) {
        return 0;
    }
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            ::SendMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        case SC_MOVE:
            if ((command & 0x000F) == HTCAPTION) {
                MoveLoop::ByMouse(window, PointFrom(lParam)).Run();
            } else {
                MoveLoop::ByKeyboard(window).Run();
            }
            return 0;
        case SC_KEYMENU:
            // Alt+Space opens the system menu; a window of the layer has no menu bar for the
            // other Alt+letter keys.
            if (lParam == ' ' && (::GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU)) {
                SystemMenuPopup::Run(window, MenuUnderIcon(window), true);
            }
            return 0;
        case kMouseMenuCommand:
            if (::GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU) {
                SystemMenuPopup::Run(window, MenuUnderIcon(window), false);
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT FrameSystemKeyDown(HWND window, WPARAM virtualKey, LPARAM lParam) {
    HWND top = TopLevelOf(window);
    if (top == nullptr || (lParam & (1L << 29)) == 0) {
        return 0;
    }
    if (virtualKey == VK_F4) {
        ::PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (virtualKey == VK_SPACE) {
        // The host delivers printable text on its own, so Alt+Space is seen as the key itself
        // rather than as a WM_SYSCHAR.
        ::SendMessageA(top, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    }
    return 0;
}

}  // namespace layer::user
