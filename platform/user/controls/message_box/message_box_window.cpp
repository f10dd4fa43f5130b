// MessageBoxA and the window procedure of the box: button clicks and close requests reach the
// session that runs the box; everything else is the default handling of a popup window.
#include <string>

#include "platform/user/controls/button/button_control.h"
#include "platform/user/controls/message_box/message_box_buttons.h"
#include "platform/user/controls/message_box/message_box_classes.h"
#include "platform/user/controls/message_box/message_box_session.h"
#include "platform/user/controls/static/static_control.h"

namespace layer::user {
namespace {

// The error a button set that does not exist gives.
constexpr DWORD kInvalidMessageBoxStyle = 1438;

MessageBoxSession* SessionOf(HWND box) {
    return reinterpret_cast<MessageBoxSession*>(::GetWindowLongPtrA(box, 0));
}

LRESULT CALLBACK MessageBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (create != nullptr) {
            ::SetWindowLongPtrA(box, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        return ::DefWindowProcA(box, message, wParam, lParam);
    }
    MessageBoxSession* session = SessionOf(box);
    if (session == nullptr) {
        return ::DefWindowProcA(box, message, wParam, lParam);
    }
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
                session->Answer(LOWORD(wParam));
            }
            return 0;
        case WM_CLOSE:
            session->CloseRequested();
            return 0;
        case WM_ACTIVATE:
            // The box keeps the focus on its buttons; the session sets it when the box opens.
            return 0;
        case WM_NCDESTROY:
            session->BoxDestroyed();
            ::SetWindowLongPtrA(box, 0, 0);
            return ::DefWindowProcA(box, message, wParam, lParam);
        default:
            return ::DefWindowProcA(box, message, wParam, lParam);
    }
}

void RegisterMessageBoxClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_SAVEBITS;
    windowClass.lpfnWndProc = MessageBoxProcedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kMessageBoxClassName;
    ::RegisterClassA(&windowClass);
}

}  // namespace

void RegisterMessageBoxClasses() {
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterMessageBoxClass();
}

}  // namespace layer::user

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    using namespace layer::user;
    if (owner != nullptr && !::IsWindow(owner)) {
        ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (MessageBoxButtons(type).empty()) {
        ::SetLastError(kInvalidMessageBoxStyle);
        return 0;
    }
    MessageBoxSession session(owner, text != nullptr ? text : "",
                              caption != nullptr ? caption : DefaultMessageBoxCaption(), type);
    return session.Run();
}
