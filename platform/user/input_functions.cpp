// The Win32 functions on input state: capture, cursors, key state, mouse tracking,
// TranslateMessage, WindowFromPoint and ChildWindowFromPoint.
#include "platform/api/comctl32.h"
#include "platform/api/kernel32.h"
#include "platform/user/input_router.h"
#include "platform/user/message_queue.h"
#include "platform/user/window.h"

using namespace layer::user;

namespace {

using layer::host::Cursor;

// The system cursors are fixed objects; a cursor handle is the address of one of them.
struct SystemCursor {
    WORD id;
    Cursor shape;
    HICON__ object;
};

SystemCursor systemCursors[] = {
    {32512, Cursor::Arrow, {}}, {32513, Cursor::IBeam, {}},   {32514, Cursor::Wait, {}},
    {32515, Cursor::Cross, {}}, {32646, Cursor::SizeAll, {}}, {32648, Cursor::No, {}},
    {32649, Cursor::Hand, {}},
};

HCURSOR currentCursor = nullptr;

}  // namespace

HWND WINAPI SetCapture(HWND window) {
    if (LookupWindowOrFail(window) == nullptr) {
        return nullptr;
    }
    return InputRouter::Instance().SetCapture(window);
}

BOOL WINAPI ReleaseCapture(void) {
    InputRouter::Instance().SetCapture(nullptr);
    return TRUE;
}

HWND WINAPI GetCapture(void) {
    return InputRouter::Instance().Capture();
}

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (track->dwFlags & TME_QUERY) {
        HWND tracked = InputRouter::Instance().TrackedWindow();
        track->dwFlags = tracked != nullptr ? TME_LEAVE : 0;
        track->hwndTrack = tracked;
        track->dwHoverTime = 0;
        return TRUE;
    }
    // Hover and non-client tracking are not offered: the program asks only for TME_LEAVE.
    if (track->dwFlags & (TME_HOVER | TME_NONCLIENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (LookupWindowOrFail(track->hwndTrack) == nullptr) {
        return FALSE;
    }
    if ((track->dwFlags & TME_LEAVE) == 0) {
        return TRUE;
    }
    return InputRouter::Instance().TrackLeave(track->hwndTrack, track->dwFlags) ? TRUE : FALSE;
}

BOOL WINAPI _TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    return TrackMouseEvent(track);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance == nullptr && IS_INTRESOURCE(name)) {
        WORD id = static_cast<WORD>(reinterpret_cast<uintptr_t>(name));
        for (SystemCursor& cursor : systemCursors) {
            if (cursor.id == id) {
                return &cursor.object;
            }
        }
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    HCURSOR previous = currentCursor;
    currentCursor = cursor;
    if (cursor != previous) {
        for (SystemCursor& system : systemCursors) {
            if (&system.object == cursor) {
                if (layer::host::Host* host = layer::host::Current()) {
                    host->SetCursor(system.shape);
                }
            }
        }
    }
    return previous;
}

HCURSOR WINAPI GetCursor(void) {
    return currentCursor;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (point == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *point = InputRouter::Instance().CursorPosition();
    return TRUE;
}

UINT WINAPI GetDoubleClickTime(void) {
    layer::host::Host* host = layer::host::Current();
    return host != nullptr ? host->DoubleClickTime() : 500;
}

SHORT WINAPI GetKeyState(int virtualKey) {
    return InputRouter::Instance().KeyState(virtualKey);
}

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    return static_cast<SHORT>(InputRouter::Instance().AsyncKeyState(virtualKey) & 0x8000);
}

BOOL WINAPI TranslateMessage(const MSG* message) {
    if (message == nullptr) {
        return FALSE;
    }
    bool keyDown = message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN;
    bool keyMessage = keyDown || message->message == WM_KEYUP || message->message == WM_SYSKEYUP;
    if (!keyDown) {
        return keyMessage ? TRUE : FALSE;
    }
    // Printable characters arrive from the host as text; only the control keys make characters
    // here.
    WPARAM character = 0;
    switch (message->wParam) {
        case VK_BACK:
            character = 0x08;
            break;
        case VK_TAB:
            character = 0x09;
            break;
        case VK_RETURN:
            character = 0x0D;
            break;
        case VK_ESCAPE:
            character = 0x1B;
            break;
        default:
            if (message->wParam >= 'A' && message->wParam <= 'Z' &&
                (GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000)) {
                character = message->wParam - 'A' + 1;
            }
            break;
    }
    if (character != 0) {
        MSG translated = *message;
        translated.message = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
        translated.wParam = character;
        MessageQueue::Instance().Post(translated);
    }
    return TRUE;
}

HWND WINAPI WindowFromPoint(POINT point) {
    return InputRouter::Instance().HitTest(point, nullptr);
}

HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point) {
    Window* window = LookupWindowOrFail(parent);
    if (window == nullptr) {
        return nullptr;
    }
    RECT client{0, 0, window->clientRect.right - window->clientRect.left,
                window->clientRect.bottom - window->clientRect.top};
    if (point.x < client.left || point.x >= client.right || point.y < client.top ||
        point.y >= client.bottom) {
        return nullptr;
    }
    for (HWND child : window->children) {
        Window* record = LookupWindow(child);
        if (record != nullptr && point.x >= record->windowRect.left &&
            point.x < record->windowRect.right && point.y >= record->windowRect.top &&
            point.y < record->windowRect.bottom) {
            return child;
        }
    }
    return parent;
}
