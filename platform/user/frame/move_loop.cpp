// The move loop: it holds the capture, reads the queue itself and moves the window through
// SetWindowPos, so the host only ever sees ordinary window moves.
#include "platform/user/frame/move_loop.h"

#include "platform/api/rect.h"
#include "platform/api/kernel32.h"

namespace layer::user {

void MoveLoop::Run() {
    if (!::IsWindow(window_) || ::GetParent(window_) != nullptr ||
        !::GetWindowRect(window_, &original_)) {
        return;
    }
    ::SendMessageA(window_, WM_ENTERSIZEMOVE, 0, 0);
    if (!::IsWindow(window_)) {
        return;
    }
    ::SetCapture(window_);
    MSG message;
    while (true) {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0 || !::IsWindow(window_) || ::GetCapture() != window_) {
            break;
        }
        if (!Handle(message)) {
            break;
        }
    }
    if (::IsWindow(window_)) {
        if (::GetCapture() == window_) {
            ::ReleaseCapture();
        }
        ::SendMessageA(window_, WM_EXITSIZEMOVE, 0, 0);
    }
}

bool MoveLoop::Handle(const MSG& message) {
    switch (message.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            if (byMouse_) {
                MoveBy(POINT{message.pt.x - start_.x, message.pt.y - start_.y});
            }
            return true;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            // Releasing the dragging button keeps the place; in a keyboard move any click does.
            return false;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            return byMouse_;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return HandleKey(static_cast<UINT>(message.wParam));
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEWHEEL:
            // Input belongs to the move while it lasts.
            return true;
        default:
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
            return true;
    }
}

bool MoveLoop::HandleKey(UINT virtualKey) {
    switch (virtualKey) {
        case VK_LEFT:
            MoveBy(POINT{offset_.x - kKeyboardStep, offset_.y});
            return true;
        case VK_RIGHT:
            MoveBy(POINT{offset_.x + kKeyboardStep, offset_.y});
            return true;
        case VK_UP:
            MoveBy(POINT{offset_.x, offset_.y - kKeyboardStep});
            return true;
        case VK_DOWN:
            MoveBy(POINT{offset_.x, offset_.y + kKeyboardStep});
            return true;
        case VK_RETURN:
            return false;
        case VK_ESCAPE:
            MoveBy(POINT{0, 0});
            return false;
        default:
            return true;
    }
}

void MoveLoop::MoveBy(POINT offset) {
    offset_ = offset;
    RECT proposed = original_;
    ::OffsetRect(&proposed, offset.x, offset.y);
    ::SendMessageA(window_, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    if (!::IsWindow(window_)) {
        return;
    }
    RECT current;
    ::GetWindowRect(window_, &current);
    if (current.left == proposed.left && current.top == proposed.top) {
        return;
    }
    ::SetWindowPos(window_, nullptr, proposed.left, proposed.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace layer::user
