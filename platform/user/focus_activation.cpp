// Focus and activation: SetFocus with WM_KILLFOCUS then WM_SETFOCUS; activation with
// HCBT_ACTIVATE, WM_ACTIVATEAPP, WM_NCACTIVATE and WM_ACTIVATE (whose default gives the window
// the focus); what happens to both when a window is hidden, disabled or destroyed.
#include "platform/user/focus_activation.h"

#include "platform/api/kernel32.h"
#include "platform/user/hook_chain.h"
#include "platform/user/input_router.h"
#include "platform/user/top_level_display.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

struct FocusState {
    HWND focus = nullptr;
    HWND active = nullptr;
};

FocusState& State() {
    static FocusState state;
    return state;
}

void SendActivateApp(bool active, HWND except) {
    std::vector<HWND> order = WindowTable::Instance().TopLevelOrder();
    for (HWND top : order) {
        if (top != except && LookupWindow(top) != nullptr) {
            SendMessageA(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
        }
    }
}

// The next visible, enabled top-level window that could take over activation.
HWND NextActivatable(HWND leaving) {
    for (HWND top : WindowTable::Instance().TopLevelOrder()) {
        Window* window = LookupWindow(top);
        if (top != leaving && window != nullptr && !window->destroying &&
            (window->style & WS_VISIBLE) && (window->style & WS_DISABLED) == 0) {
            return top;
        }
    }
    return nullptr;
}

void DropFocusInside(HWND window) {
    FocusState& state = State();
    if (window == nullptr || state.focus == nullptr || !IsInside(state.focus, window)) {
        return;
    }
    HWND lost = state.focus;
    state.focus = nullptr;
    SendMessageA(lost, WM_KILLFOCUS, 0, 0);
}

}  // namespace

HWND FocusWindow() {
    return State().focus;
}
HWND ActiveWindow() {
    return State().active;
}

bool IsInside(HWND window, HWND ancestor) {
    Window* current = LookupWindow(window);
    while (current != nullptr) {
        if (current->handle == ancestor) {
            return true;
        }
        current = current->parent != nullptr ? LookupWindow(current->parent) : nullptr;
    }
    return false;
}

bool ActivateWindow(HWND handle, bool byMouse) {
    FocusState& state = State();
    if (handle == state.active) {
        return true;
    }
    HWND previous = state.active;
    CBTACTIVATESTRUCT info{byMouse ? TRUE : FALSE, previous};
    if (CallCbtHooks(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(handle),
                     reinterpret_cast<LPARAM>(&info)) != 0) {
        return false;
    }
    if (previous != nullptr && LookupWindow(previous) != nullptr) {
        SendMessageA(previous, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0),
                     reinterpret_cast<LPARAM>(handle));
    }
    state.active = LookupWindow(handle) != nullptr ? handle : nullptr;
    if (state.active == nullptr) {
        if (previous != nullptr) {
            SendActivateApp(false, nullptr);
        }
        DropFocusInside(previous);
        return true;
    }
    // The activated window comes to the top of the stack.
    if (Window* window = LookupWindow(handle)) {
        PlaceTopLevel(*window, HWND_TOP);
        TopLevelDisplay::Instance().UpdateZOrder();
    }
    if (previous == nullptr) {
        SendActivateApp(true, nullptr);
    }
    if (LookupWindow(handle) != nullptr && state.active == handle) {
        SendMessageA(handle, WM_NCACTIVATE, TRUE, 0);
    }
    if (LookupWindow(handle) != nullptr && state.active == handle) {
        SendMessageA(handle, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, 0),
                     reinterpret_cast<LPARAM>(previous));
    }
    // The newly active window normally takes the focus itself (the default WM_ACTIVATE does);
    // when it does not, the focus does not stay behind in the window that lost activation.
    DropFocusInside(previous);
    return true;
}

void LeaveWindow(HWND handle, Activation activation) {
    FocusState& state = State();
    if (state.focus != nullptr && IsInside(state.focus, handle)) {
        SetFocus(nullptr);
    }
    InputRouter::Instance().ForgetWindow(handle);
    if (activation == Activation::MovesOn && state.active != nullptr && state.active == handle) {
        ActivateWindow(NextActivatable(handle), false);
    }
}

}  // namespace layer::user

using namespace layer::user;

HWND WINAPI GetFocus(void) {
    return State().focus;
}
HWND WINAPI GetActiveWindow(void) {
    return State().active;
}
HWND WINAPI GetForegroundWindow(void) {
    return State().active;
}

HWND WINAPI SetFocus(HWND handle) {
    FocusState& state = State();
    HWND previous = state.focus;
    if (handle == nullptr) {
        if (CallCbtHooks(HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(previous)) != 0) {
            return nullptr;
        }
        state.focus = nullptr;
        if (previous != nullptr && LookupWindow(previous) != nullptr) {
            SendMessageA(previous, WM_KILLFOCUS, 0, 0);
        }
        return previous;
    }
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    if (handle == previous) {
        return previous;
    }
    Window* root = RootOf(handle);
    if (root == nullptr || (root->style & WS_DISABLED) || window->destroying) {
        return nullptr;
    }
    if (CallCbtHooks(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(handle),
                     reinterpret_cast<LPARAM>(previous)) != 0) {
        return nullptr;
    }
    if ((root = RootOf(handle)) == nullptr) {
        return nullptr;
    }
    if (state.active != root->handle) {
        ActivateWindow(root->handle, false);
        if (LookupWindow(handle) == nullptr) {
            return nullptr;
        }
    }
    previous = state.focus;
    if (previous == handle) {
        return previous;
    }
    state.focus = handle;
    if (previous != nullptr && LookupWindow(previous) != nullptr) {
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    }
    if (state.focus == handle && LookupWindow(handle) != nullptr) {
        SendMessageA(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND WINAPI SetActiveWindow(HWND handle) {
    HWND previous = State().active;
    if (handle != nullptr) {
        Window* window = LookupWindowOrFail(handle);
        if (window == nullptr) {
            return nullptr;
        }
        if (window->parent != nullptr) {
            handle = RootOf(handle)->handle;
        }
    }
    if (!ActivateWindow(handle, false)) {
        return nullptr;
    }
    return previous;
}

BOOL WINAPI SetForegroundWindow(HWND handle) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    return ActivateWindow(RootOf(handle)->handle, false) ? TRUE : FALSE;
}
