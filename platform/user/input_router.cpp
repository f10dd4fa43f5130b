// Routing the host's input to windows.
#include "platform/user/input_router.h"

#include <cstdlib>

#include "platform/api/kernel32.h"
#include "platform/gdi/text/code_page.h"
#include "platform/user/focus_activation.h"
#include "platform/user/message_queue.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"

namespace layer::user {

namespace {

bool IsEnabledChain(const Window& window) {
    const Window* current = &window;
    while (current != nullptr) {
        if (current->style & WS_DISABLED) {
            return false;
        }
        current = current->parent != nullptr ? LookupWindow(current->parent) : nullptr;
    }
    return true;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// Descends from a window to the deepest visible, enabled child under the point; a child that
// answers HTTRANSPARENT passes the point on to the windows below it.
HWND Descend(HWND handle, POINT point, LRESULT* hit) {
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return nullptr;
    }
    POINT origin = ScreenClientOrigin(*window);
    RECT client{origin.x, origin.y, origin.x + (window->clientRect.right - window->clientRect.left),
                origin.y + (window->clientRect.bottom - window->clientRect.top)};
    if (Contains(client, point)) {
        std::vector<HWND> children = window->children;
        for (HWND child : children) {
            Window* record = LookupWindow(child);
            if (record == nullptr || (record->style & WS_VISIBLE) == 0 ||
                (record->style & WS_DISABLED) || !Contains(ScreenWindowRect(*record), point)) {
                continue;
            }
            LRESULT childHit = HTNOWHERE;
            if (HWND found = Descend(child, point, &childHit)) {
                *hit = childHit;
                return found;
            }
        }
    }
    *hit = SendMessageA(handle, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    if (*hit == HTTRANSPARENT || LookupWindow(handle) == nullptr) {
        return nullptr;
    }
    return handle;
}

// A press over a child is announced to its ancestors, each with the point in its own client
// coordinates, unless a window on the way asks not to be (WS_EX_NOPARENTNOTIFY).
void NotifyParentsOfClick(HWND target, UINT message, POINT screenPoint) {
    HWND current = target;
    for (;;) {
        Window* window = LookupWindow(current);
        if (window == nullptr || window->parent == nullptr ||
            (window->exStyle & WS_EX_NOPARENTNOTIFY)) {
            return;
        }
        HWND parent = window->parent;
        Window* parentWindow = LookupWindow(parent);
        POINT origin = ScreenClientOrigin(*parentWindow);
        SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(message, 0),
                     MAKELPARAM(screenPoint.x - origin.x, screenPoint.y - origin.y));
        current = parent;
    }
}

}  // namespace

InputRouter& InputRouter::Instance() {
    static InputRouter router;
    return router;
}

namespace {

SHORT StateOf(const std::array<BYTE, 256>& keys, int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) {
        return 0;
    }
    BYTE state = keys[static_cast<size_t>(virtualKey)];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

// Records a key going down (toggling it on a fresh press) or up, and keeps the generic modifier
// keys in step with their left and right keys.
void ApplyKeyTransition(std::array<BYTE, 256>& keys, UINT key, bool down) {
    key &= 0xFF;
    const bool wasDown = (keys[key] & 0x80) != 0;
    if (down) {
        keys[key] = static_cast<BYTE>(0x80 | (wasDown ? (keys[key] & 1) : (keys[key] ^ 1)));
    } else {
        keys[key] &= 0x01;
    }
    auto combine = [&](int generic, int left, int right) {
        if (key == static_cast<UINT>(left) || key == static_cast<UINT>(right)) {
            keys[generic] =
                static_cast<BYTE>(((keys[left] | keys[right]) & 0x80) | (keys[generic] & 1));
        }
    };
    combine(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    combine(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    combine(VK_MENU, VK_LMENU, VK_RMENU);
}

// Key messages carry the generic modifier keys; the scan code and the extended flag tell which
// of the two was pressed.
UINT SpecificKey(UINT virtualKey, UINT scanCode, bool extended) {
    switch (virtualKey) {
        case VK_SHIFT:
            return scanCode == 0x36 ? VK_RSHIFT : VK_LSHIFT;
        case VK_CONTROL:
            return extended ? VK_RCONTROL : VK_LCONTROL;
        case VK_MENU:
            return extended ? VK_RMENU : VK_LMENU;
        default:
            return virtualKey & 0xFF;
    }
}

UINT SpecificKey(WPARAM virtualKey, LPARAM lParam) {
    return SpecificKey(static_cast<UINT>(virtualKey), (static_cast<DWORD>(lParam) >> 16) & 0xFF,
                       (static_cast<DWORD>(lParam) & (1UL << 24)) != 0);
}

}  // namespace

SHORT InputRouter::KeyState(int virtualKey) const {
    return StateOf(retrievedKeys_, virtualKey);
}

SHORT InputRouter::AsyncKeyState(int virtualKey) const {
    return StateOf(keys_, virtualKey);
}

void InputRouter::Retrieved(const MSG& message) {
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            ApplyKeyTransition(retrievedKeys_, SpecificKey(message.wParam, message.lParam), true);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            ApplyKeyTransition(retrievedKeys_, SpecificKey(message.wParam, message.lParam), false);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            ApplyKeyTransition(retrievedKeys_, VK_LBUTTON, true);
            break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            ApplyKeyTransition(retrievedKeys_, VK_LBUTTON, false);
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:
            ApplyKeyTransition(retrievedKeys_, VK_RBUTTON, true);
            break;
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP:
            ApplyKeyTransition(retrievedKeys_, VK_RBUTTON, false);
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONDBLCLK:
            ApplyKeyTransition(retrievedKeys_, VK_MBUTTON, true);
            break;
        case WM_MBUTTONUP:
        case WM_NCMBUTTONUP:
            ApplyKeyTransition(retrievedKeys_, VK_MBUTTON, false);
            break;
        default:
            break;
    }
}

HWND InputRouter::HitTest(POINT point, LRESULT* hit) {
    LRESULT ignored = HTNOWHERE;
    if (hit == nullptr) {
        hit = &ignored;
    }
    std::vector<HWND> order = WindowTable::Instance().TopLevelOrder();
    for (HWND top : order) {
        Window* window = LookupWindow(top);
        if (window == nullptr || (window->style & WS_VISIBLE) == 0 ||
            !Contains(window->windowRect, point)) {
            continue;
        }
        if (HWND found = Descend(top, point, hit)) {
            return found;
        }
    }
    *hit = HTNOWHERE;
    return nullptr;
}

HWND InputRouter::SetCapture(HWND window) {
    HWND previous = capture_;
    capture_ = window;
    if (previous != nullptr && previous != window && LookupWindow(previous) != nullptr) {
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    }
    return previous;
}

bool InputRouter::TrackLeave(HWND window, DWORD flags) {
    if (flags & TME_CANCEL) {
        if (tracked_ == window) {
            tracked_ = nullptr;
        }
        return true;
    }
    LRESULT hit = HTNOWHERE;
    HWND under = capture_ != nullptr ? capture_ : HitTest(cursor_, &hit);
    if (under != window || (capture_ == nullptr && hit != HTCLIENT)) {
        // The mouse is not over the window now: the leave is reported at once.
        Queue(window, WM_MOUSELEAVE, 0, 0);
        return true;
    }
    tracked_ = window;
    return true;
}

void InputRouter::ForgetWindow(HWND window) {
    if (capture_ != nullptr && IsInside(capture_, window)) {
        SetCapture(nullptr);
    }
    if (tracked_ != nullptr && IsInside(tracked_, window)) {
        tracked_ = nullptr;
    }
    if (lastClick_.window == window) {
        lastClick_ = LastClick{};
    }
}

void InputRouter::Queue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG queued{};
    queued.hwnd = window;
    queued.message = message;
    queued.wParam = wParam;
    queued.lParam = lParam;
    queued.time = GetTickCount();
    queued.pt = cursor_;
    MessageQueue::Instance().PostInput(queued);
}

WPARAM InputRouter::MouseKeyFlags() const {
    WPARAM flags = 0;
    if (keys_[VK_LBUTTON] & 0x80)
        flags |= MK_LBUTTON;
    if (keys_[VK_RBUTTON] & 0x80)
        flags |= MK_RBUTTON;
    if (keys_[VK_MBUTTON] & 0x80)
        flags |= MK_MBUTTON;
    if (keys_[VK_SHIFT] & 0x80)
        flags |= MK_SHIFT;
    if (keys_[VK_CONTROL] & 0x80)
        flags |= MK_CONTROL;
    return flags;
}

void InputRouter::OnInput(const host::InputEvent& event) {
    using Kind = host::InputEvent::Kind;
    switch (event.kind) {
        case Kind::MouseMove:
            MouseMove(event.point);
            break;
        case Kind::ButtonDown:
        case Kind::ButtonUp:
            MouseButton(event.point, event.button, event.kind == Kind::ButtonDown);
            break;
        case Kind::KeyDown:
        case Kind::KeyUp:
            Key(event, event.kind == Kind::KeyDown);
            break;
        case Kind::Text:
            Text(event.text);
            break;
        case Kind::FocusGained:
            if (Window* window = LookupWindow(event.window)) {
                if ((window->style & WS_VISIBLE) && IsEnabledChain(*window)) {
                    ActivateWindow(RootOf(event.window)->handle, false);
                }
            }
            break;
        case Kind::FocusLost:
            if (ActiveWindow() != nullptr && ActiveWindow() == event.window) {
                ActivateWindow(nullptr, false);
            }
            break;
        case Kind::CloseRequest:
            if (LookupWindow(event.window) != nullptr) {
                Queue(event.window, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            break;
        case Kind::SessionEnd:
            EndSession();
            break;
        case Kind::Moved:
            if (Window* window = LookupWindow(event.window); window && window->parent == nullptr) {
                SetWindowPos(event.window, nullptr, event.point.x, event.point.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
    }
}

void InputRouter::MouseMove(POINT point) {
    cursor_ = point;
    LRESULT hit = HTCLIENT;
    HWND target = capture_ != nullptr ? capture_ : HitTest(point, &hit);
    if (tracked_ != nullptr && (target != tracked_ || hit != HTCLIENT)) {
        Queue(tracked_, WM_MOUSELEAVE, 0, 0);
        tracked_ = nullptr;
    }
    if (target == nullptr) {
        return;
    }
    Window* root = RootOf(target);
    if (root == nullptr || (root->style & WS_DISABLED)) {
        return;
    }
    if (capture_ == nullptr) {
        SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                     MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
    }
    Window* window = LookupWindow(target);
    if (window == nullptr) {
        return;
    }
    if (hit == HTCLIENT || capture_ != nullptr) {
        POINT origin = ScreenClientOrigin(*window);
        Queue(target, WM_MOUSEMOVE, MouseKeyFlags(),
              MAKELPARAM(point.x - origin.x, point.y - origin.y));
    } else {
        Queue(target, WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), MAKELPARAM(point.x, point.y));
    }
}

void InputRouter::MouseButton(POINT point, int button, bool down) {
    static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    static constexpr int kKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    if (button < 1 || button > 3) {
        return;
    }
    cursor_ = point;
    keys_[kKeys[button - 1]] = down ? 0x80 : 0;
    LRESULT hit = HTCLIENT;
    HWND target = capture_ != nullptr ? capture_ : HitTest(point, &hit);
    if (target == nullptr) {
        return;
    }
    Window* root = RootOf(target);
    if (root == nullptr || (root->style & WS_DISABLED)) {
        return;
    }
    UINT base = kDown[button - 1];
    UINT message = down ? base : base + 1;
    if (down && capture_ == nullptr) {
        NotifyParentsOfClick(target, base, point);
        if (LookupWindow(target) == nullptr) {
            return;
        }
        if (ActiveWindow() != root->handle) {
            LRESULT answer =
                SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root->handle),
                             MAKELPARAM(static_cast<WORD>(hit), base));
            if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) {
                ActivateWindow(root->handle, true);
            }
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) {
                return;
            }
        }
        if (LookupWindow(target) == nullptr) {
            return;
        }
        SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                     MAKELPARAM(static_cast<WORD>(hit), base));
    }
    Window* window = LookupWindow(target);
    if (window == nullptr) {
        return;
    }
    if (down) {
        host::Host* host = host::Current();
        DWORD now = GetTickCount();
        UINT limit = host != nullptr ? host->DoubleClickTime() : 500;
        bool near =
            std::abs(point.x - lastClick_.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
            std::abs(point.y - lastClick_.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        if ((window->windowClass->style & CS_DBLCLKS) && lastClick_.window == target &&
            lastClick_.button == button && now - lastClick_.time <= limit && near) {
            message = base + 2;
            lastClick_ = LastClick{};
        } else {
            lastClick_ = LastClick{target, button, now, point};
        }
    }
    if (hit == HTCLIENT || capture_ != nullptr) {
        POINT origin = ScreenClientOrigin(*window);
        Queue(target, message, MouseKeyFlags(), MAKELPARAM(point.x - origin.x, point.y - origin.y));
    } else {
        Queue(target, message - WM_LBUTTONDOWN + WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit),
              MAKELPARAM(point.x, point.y));
    }
}

HWND InputRouter::KeyboardTarget() const {
    HWND target = FocusWindow() != nullptr ? FocusWindow() : ActiveWindow();
    Window* window = LookupWindow(target);
    if (window == nullptr || !IsEnabledChain(*window)) {
        return nullptr;
    }
    return target;
}

void InputRouter::Key(const host::InputEvent& event, bool down) {
    UINT key = SpecificKey(event.virtualKey & 0xFF, event.scanCode & 0xFF, event.extended);
    bool wasDown = (keys_[key] & 0x80) != 0;
    ApplyKeyTransition(keys_, key, down);

    bool alt = (keys_[VK_MENU] & 0x80) != 0;
    bool control = (keys_[VK_CONTROL] & 0x80) != 0;
    bool system =
        (alt && !control) || key == VK_F10 || key == VK_MENU || key == VK_LMENU || key == VK_RMENU;
    HWND target = KeyboardTarget();
    if (target == nullptr) {
        return;
    }
    if (FocusWindow() == nullptr) {
        system = true;
    }
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    // Generic virtual keys reach the program: VK_SHIFT rather than VK_LSHIFT and so on.
    UINT reported = key;
    if (key == VK_LSHIFT || key == VK_RSHIFT)
        reported = VK_SHIFT;
    if (key == VK_LCONTROL || key == VK_RCONTROL)
        reported = VK_CONTROL;
    if (key == VK_LMENU || key == VK_RMENU)
        reported = VK_MENU;
    LPARAM lParam = 1 | (static_cast<LPARAM>(event.scanCode & 0xFF) << 16);
    if (event.extended)
        lParam |= 1L << 24;
    if (alt)
        lParam |= 1L << 29;
    if (!down || wasDown)
        lParam |= 1L << 30;
    if (!down)
        lParam |= static_cast<LPARAM>(1UL << 31);
    lParam = static_cast<LPARAM>(static_cast<DWORD>(lParam));
    Queue(target, message, reported, lParam);
}

void InputRouter::Text(const std::string& utf8) {
    HWND target = FocusWindow();
    Window* window = LookupWindow(target);
    if (window == nullptr || !IsEnabledChain(*window)) {
        return;
    }
    for (unsigned char byte : text::AnsiFromUtf8(utf8)) {
        Queue(target, WM_CHAR, byte, 1);
    }
}

void InputRouter::EndSession() {
    std::vector<HWND> order = WindowTable::Instance().TopLevelOrder();
    bool agreed = true;
    for (HWND top : order) {
        if (LookupWindow(top) != nullptr && SendMessageA(top, WM_QUERYENDSESSION, 0, 0) == 0) {
            agreed = false;
            break;
        }
    }
    for (HWND top : order) {
        if (LookupWindow(top) != nullptr) {
            SendMessageA(top, WM_ENDSESSION, agreed ? TRUE : FALSE, 0);
        }
    }
    if (agreed) {
        // The session ends: the process ends as the system would end it.
        ExitProcess(0);
    }
}

}  // namespace layer::user
