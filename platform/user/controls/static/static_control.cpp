// The Static class's window procedure and its painting: text laid out by DrawTextA on the brush
// of the parent's WM_CTLCOLORSTATIC answer, or an icon.
#include "platform/user/controls/static/static_control.h"

#include <string>

#include "platform/user/controls/control_text.h"

namespace layer::user {
namespace {

// The extra bytes of a static control: its font, then its icon.
constexpr int kFontOffset = 0;
constexpr int kIconOffset = sizeof(LONG_PTR);

UINT StaticType(HWND control) {
    return static_cast<UINT>(::GetWindowLongA(control, GWL_STYLE)) & SS_TYPEMASK;
}

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(::GetWindowLongPtrA(control, kFontOffset));
}

HICON IconOf(HWND control) {
    return reinterpret_cast<HICON>(::GetWindowLongPtrA(control, kIconOffset));
}

HBRUSH AskStaticColors(HWND control, HDC dc) {
    const auto dcParam = reinterpret_cast<WPARAM>(dc);
    const auto controlParam = reinterpret_cast<LPARAM>(control);
    HWND parent = ::GetParent(control);
    HBRUSH brush = nullptr;
    if (parent != nullptr) {
        brush = reinterpret_cast<HBRUSH>(
            ::SendMessageA(parent, WM_CTLCOLORSTATIC, dcParam, controlParam));
    }
    if (brush == nullptr || ::GetObjectType(brush) != OBJ_BRUSH) {
        brush = reinterpret_cast<HBRUSH>(
            ::DefWindowProcA(control, WM_CTLCOLORSTATIC, dcParam, controlParam));
    }
    return brush;
}

UINT TextFormat(DWORD style) {
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            return format | DT_CENTER | DT_WORDBREAK;
        case SS_RIGHT:
            return format | DT_RIGHT | DT_WORDBREAK;
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP:
            return format | DT_LEFT | DT_SINGLELINE | DT_EXPANDTABS;
        default:
            return format | DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
    }
}

void Redraw(HWND control) {
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HICON SetIcon(HWND control, HICON icon) {
    HICON previous = IconOf(control);
    ::SetWindowLongPtrA(control, kIconOffset, reinterpret_cast<LONG_PTR>(icon));
    Redraw(control);
    return previous;
}

}  // namespace

void PaintStatic(HWND control, HDC dc) {
    if (dc == nullptr || !::IsWindow(control)) {
        return;
    }
    const int saved = ::SaveDC(dc);
    RECT client{0, 0, 0, 0};
    ::GetClientRect(control, &client);
    HBRUSH background = AskStaticColors(control, dc);
    ::FillRect(dc, &client, background);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
    if ((style & SS_TYPEMASK) == SS_ICON) {
        HICON icon = IconOf(control);
        if (icon != nullptr) {
            ::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
        }
    } else {
        const std::string text = ControlText(control);
        HFONT font = FontOf(control);
        ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        if (!::IsWindowEnabled(control)) {
            ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        }
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, TextFormat(style));
    }
    ::RestoreDC(dc, saved);
}

LRESULT CALLBACK StaticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return (::GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(control, &paint);
            if (dc != nullptr) {
                PaintStatic(control, dc);
                ::EndPaint(control, &paint);
            }
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintStatic(control, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_SETTEXT: {
            // The text of an icon control names the icon, as in a dialog template; the layer has
            // no named icons of the program's to look up, so it is only kept.
            const LRESULT result = ::DefWindowProcA(control, message, wParam, lParam);
            Redraw(control);
            return result;
        }
        case WM_ENABLE:
            Redraw(control);
            return 0;
        case WM_SETFONT:
            ::SetWindowLongPtrA(control, kFontOffset, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam) != 0) {
                Redraw(control);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(FontOf(control));
        case STM_SETICON:
            if (StaticType(control) != SS_ICON) {
                return 0;
            }
            return reinterpret_cast<LRESULT>(SetIcon(control, reinterpret_cast<HICON>(wParam)));
        case STM_GETICON:
            return reinterpret_cast<LRESULT>(IconOf(control));
        case WM_LBUTTONDOWN:
            if (::GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) {
                ::SendMessageA(::GetParent(control), WM_COMMAND,
                               MAKEWPARAM(::GetDlgCtrlID(control), STN_CLICKED),
                               reinterpret_cast<LPARAM>(control));
            }
            return 0;
        default:
            return ::DefWindowProcA(control, message, wParam, lParam);
    }
}

void RegisterStaticClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass.lpfnWndProc = StaticProcedure;
    windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "Static";
    ::RegisterClassA(&windowClass);
}

}  // namespace layer::user
