// DefWindowProcA: the default answers for the messages the program and the controls rely on.
#include <algorithm>
#include <cstring>

#include "platform/api/gdi32.h"
#include "platform/api/kernel32.h"
#include "platform/user/focus_activation.h"
#include "platform/user/frame/frame_messages.h"
#include "platform/user/hook_chain.h"
#include "platform/user/icons/window_icons.h"
#include "platform/user/nonclient_metrics.h"
#include "platform/user/nonclient_painter.h"
#include "platform/user/top_level_display.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"

using namespace layer::user;

namespace {

// A class brush may name a system colour as (HBRUSH)(COLOR_xxx + 1).
HBRUSH ResolveBrush(HBRUSH brush) {
    auto value = reinterpret_cast<uintptr_t>(brush);
    if (value != 0 && value <= COLOR_MENUBAR + 1) {
        return GetSysColorBrush(static_cast<int>(value - 1));
    }
    return brush;
}

LRESULT EraseBackground(Window& window, HDC dc) {
    HBRUSH brush = ResolveBrush(window.windowClass->background);
    if (brush == nullptr || dc == nullptr) {
        return 0;
    }
    RECT client{0, 0, window.clientRect.right - window.clientRect.left,
                window.clientRect.bottom - window.clientRect.top};
    FillRect(dc, &client, brush);
    return 1;
}

LRESULT SetText(HWND handle, Window& window, LPCSTR text) {
    window.text = text != nullptr ? text : "";
    if (window.parent == nullptr) {
        TopLevelDisplay::Instance().Update(window);
        PaintNonClient(handle, window.captionActive);
    }
    (void)handle;
    return TRUE;
}

LRESULT GetText(const Window& window, WPARAM size, LPSTR buffer) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    size_t copied = std::min(window.text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, window.text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

LRESULT SetCursorDefault(HWND handle, Window& window, WPARAM wParam, LPARAM lParam) {
    if (window.parent != nullptr) {
        WPARAM self = reinterpret_cast<WPARAM>(handle);
        if (SendMessageA(window.parent, WM_SETCURSOR, self, lParam) != 0) {
            return TRUE;
        }
        if (LookupWindow(handle) == nullptr) {
            return TRUE;
        }
    }
    short hit = static_cast<short>(LOWORD(lParam));
    if (hit == HTCLIENT) {
        // A parent asked on behalf of a child leaves the child's own cursor alone.
        if (reinterpret_cast<HWND>(wParam) != handle) {
            return FALSE;
        }
        if (window.windowClass->cursor != nullptr) {
            SetCursor(window.windowClass->cursor);
            return TRUE;
        }
        return FALSE;
    }
    if (hit == HTERROR || hit == HTNOWHERE) {
        return FALSE;
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

LRESULT CalcSize(const Window& window, WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        return 0;
    }
    RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                        : reinterpret_cast<RECT*>(lParam);
    *rect = DefaultClientRect(*rect, window.style, window.exStyle);
    return 0;
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            if (create != nullptr && create->lpszName != nullptr &&
                !IS_INTRESOURCE(create->lpszName)) {
                window->text = create->lpszName;
                if (window->parent == nullptr) {
                    TopLevelDisplay::Instance().Update(*window);
                }
            }
            return TRUE;
        }
        case WM_NCCALCSIZE:
            return CalcSize(*window, wParam, lParam);
        case WM_NCHITTEST:
            return DefaultHitTest(*window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_NCPAINT:
            PaintNonClient(handle, window->captionActive);
            return 0;
        case WM_NCACTIVATE:
            window->captionActive = wParam != 0;
            PaintNonClient(handle, window->captionActive);
            return TRUE;
        case WM_ERASEBKGND:
            return EraseBackground(*window, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (BeginPaint(handle, &paint) != nullptr) {
                EndPaint(handle, &paint);
            }
            return 0;
        }
        case WM_SETTEXT:
            return SetText(handle, *window, reinterpret_cast<LPCSTR>(lParam));
        case WM_GETTEXT:
            return GetText(*window, wParam, reinterpret_cast<LPSTR>(lParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_SETICON:
        case WM_GETICON:
            return AnswerIconMessage(handle, message, wParam, lParam);
        case WM_CLOSE:
            DestroyWindow(handle);
            return 0;
        case WM_SYSCOMMAND:
            if (CallCbtHooks(HCBT_SYSCOMMAND, wParam, lParam) != 0) {
                return 0;
            }
            return FrameSystemCommand(handle, wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                SetFocus(handle);
            }
            return 0;
        case WM_MOUSEACTIVATE:
            if (window->parent != nullptr) {
                LRESULT answer = SendMessageA(window->parent, WM_MOUSEACTIVATE, wParam, lParam);
                if (answer != 0) {
                    return answer;
                }
            }
            return MA_ACTIVATE;
        case WM_SETCURSOR:
            return SetCursorDefault(handle, *window, wParam, lParam);
        case WM_WINDOWPOSCHANGED: {
            auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (position == nullptr) {
                return 0;
            }
            if (!window->sizeAndMoveSent) {
                SendInitialSizeAndMove(handle);
                return 0;
            }
            if ((position->flags & SWP_NOMOVE) == 0) {
                SendMessageA(handle, WM_MOVE, 0,
                             MAKELPARAM(window->windowRect.left + window->clientRect.left,
                                        window->windowRect.top + window->clientRect.top));
            }
            if ((position->flags & SWP_NOSIZE) == 0 && (window = LookupWindow(handle))) {
                SendMessageA(handle, WM_SIZE, SIZE_RESTORED,
                             MAKELPARAM(window->clientRect.right - window->clientRect.left,
                                        window->clientRect.bottom - window->clientRect.top));
            }
            return 0;
        }
        case WM_SYSKEYDOWN:
            return FrameSystemKeyDown(handle, wParam, lParam);
        case WM_NCLBUTTONDOWN:
            return FrameLeftButtonDown(handle, wParam, lParam);
        case WM_NCLBUTTONDBLCLK:
            return FrameLeftDoubleClick(handle, wParam, lParam);
        case WM_NCRBUTTONUP:
            return FrameRightButtonUp(handle, wParam, lParam);
        case WM_CANCELMODE:
            if (GetCapture() == handle) {
                ReleaseCapture();
            }
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            bool edit = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(edit ? COLOR_WINDOW : COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(edit ? COLOR_WINDOW : COLOR_BTNFACE));
        }
        default:
            return 0;
    }
}
