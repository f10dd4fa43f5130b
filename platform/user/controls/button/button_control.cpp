// The Button class's window procedure: pressing by mouse and Space, BN_CLICKED to the parent,
// the BM_ messages, the font, and the plumbing that hands painting to the button painter.
#include "platform/user/controls/button/button_control.h"

#include <new>

#include "platform/user/controls/button/button_painter.h"
#include "platform/user/controls/button/button_state.h"

namespace layer::user {
namespace {

ButtonState* StateOf(HWND button) {
    return reinterpret_cast<ButtonState*>(::GetWindowLongPtrA(button, 0));
}

DWORD StyleOf(HWND button) {
    return static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE));
}

bool InsideClient(HWND button, LPARAM lParam) {
    RECT client{0, 0, 0, 0};
    ::GetClientRect(button, &client);
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void Redraw(HWND button) {
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Notify(HWND button, WORD code) {
    HWND parent = ::GetParent(button);
    if (parent == nullptr) {
        return;
    }
    const auto id = static_cast<WORD>(::GetDlgCtrlID(button));
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(button));
}

// Changes the pushed look; repaints only when it changes.
void SetPushed(HWND button, ButtonState& state, bool pushed) {
    const UINT updated = pushed ? (state.state | BST_PUSHED) : (state.state & ~BST_PUSHED);
    if (updated == state.state) {
        return;
    }
    state.state = updated;
    Redraw(button);
}

// Presses or releases the button as the system does, through BM_SETSTATE sent to the button
// itself, so that a subclass sees every change of the pushed look. False when the button went
// away meanwhile (a subclass may destroy it).
bool SendPushed(HWND button, const ButtonState& state, bool pushed) {
    if (((state.state & BST_PUSHED) != 0) == pushed) {
        return true;
    }
    ::SendMessageA(button, BM_SETSTATE, pushed ? TRUE : FALSE, 0);
    return ::IsWindow(button) && StateOf(button) == &state;
}

void SetCheck(HWND button, ButtonState& state, UINT check) {
    const UINT type = ButtonType(StyleOf(button));
    if (!IsCheckOrRadioType(type)) {
        return;
    }
    if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) {
        check = BST_CHECKED;
    }
    check &= BST_CHECKED | BST_INDETERMINATE;
    const UINT updated = (state.state & ~(BST_CHECKED | BST_INDETERMINATE)) | check;
    if (updated == state.state) {
        return;
    }
    state.state = updated;
    // Only the first radio button of a group, or a checked one, is a tab stop.
    if (IsRadioType(type)) {
        DWORD style = StyleOf(button);
        style = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        ::SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(style));
    }
    Redraw(button);
}

// An automatic radio button unchecks the other automatic radio buttons of its group: the
// siblings from the nearest WS_GROUP one before it up to the next WS_GROUP one.
void UncheckGroupSiblings(HWND button) {
    HWND first = button;
    while ((StyleOf(first) & WS_GROUP) == 0) {
        HWND previous = ::GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) {
            break;
        }
        first = previous;
    }
    for (HWND sibling = first; sibling != nullptr; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (StyleOf(sibling) & WS_GROUP) != 0) {
            break;
        }
        if (sibling != button && ButtonType(StyleOf(sibling)) == BS_AUTORADIOBUTTON) {
            ::SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

// What a completed press does: automatic types change their check first, then the parent hears
// BN_CLICKED.
void Click(HWND button, ButtonState& state) {
    switch (ButtonType(StyleOf(button))) {
        case BS_AUTOCHECKBOX:
            SetCheck(button, state, (state.state & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED);
            break;
        case BS_AUTO3STATE: {
            const UINT check = state.state & (BST_CHECKED | BST_INDETERMINATE);
            SetCheck(button, state,
                     check == BST_UNCHECKED ? BST_CHECKED
                     : check == BST_CHECKED ? BST_INDETERMINATE
                                            : BST_UNCHECKED);
            break;
        }
        case BS_AUTORADIOBUTTON:
            SetCheck(button, state, BST_CHECKED);
            UncheckGroupSiblings(button);
            break;
        default:
            break;
    }
    Notify(button, BN_CLICKED);
}

bool TakesInput(HWND button) {
    return ButtonType(StyleOf(button)) != BS_GROUPBOX;
}

LRESULT OnCreate(HWND button) {
    auto* state = new (std::nothrow) ButtonState;
    if (state == nullptr) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    ::SetWindowLongPtrA(button, 0, reinterpret_cast<LONG_PTR>(state));
    return TRUE;
}

void OnDestroy(HWND button) {
    delete StateOf(button);
    ::SetWindowLongPtrA(button, 0, 0);
}

void OnMouseDown(HWND button, ButtonState& state) {
    if (!TakesInput(button)) {
        return;
    }
    if (::GetFocus() != button) {
        ::SetFocus(button);
        if (!::IsWindow(button) || StateOf(button) != &state) {
            return;
        }
    }
    ::SetCapture(button);
    state.mouseTracking = true;
    SendPushed(button, state, true);
}

void OnMouseMove(HWND button, ButtonState& state, LPARAM lParam) {
    if (state.mouseTracking) {
        SendPushed(button, state, InsideClient(button, lParam));
    }
}

void OnMouseUp(HWND button, ButtonState& state, LPARAM lParam) {
    if (!state.mouseTracking) {
        return;
    }
    const bool over = InsideClient(button, lParam) && (state.state & BST_PUSHED) != 0;
    state.mouseTracking = false;
    if (!SendPushed(button, state, false)) {
        return;
    }
    if (::GetCapture() == button) {
        ::ReleaseCapture();
    }
    if (over) {
        Click(button, state);
    }
}

// Losing the capture (to another window, or a cancelled mode) ends a mouse press without a click.
void OnCaptureLost(HWND button, ButtonState& state) {
    if (state.mouseTracking) {
        state.mouseTracking = false;
        SendPushed(button, state, false);
    }
}

void OnSpaceDown(HWND button, ButtonState& state) {
    if (!TakesInput(button) || state.mouseTracking) {
        return;
    }
    state.spaceHeld = true;
    SendPushed(button, state, true);
}

void OnSpaceUp(HWND button, ButtonState& state) {
    if (!state.spaceHeld) {
        return;
    }
    state.spaceHeld = false;
    const bool pushed = (state.state & BST_PUSHED) != 0;
    if (!SendPushed(button, state, false)) {
        return;
    }
    if (pushed) {
        Click(button, state);
    }
}

void OnFocus(HWND button, ButtonState& state, bool gained) {
    if (!gained) {
        state.spaceHeld = false;
        if (state.mouseTracking && ::GetCapture() == button) {
            ::ReleaseCapture();
        }
        state.mouseTracking = false;
        state.state &= ~BST_PUSHED;
    }
    state.state = gained ? (state.state | BST_FOCUS) : (state.state & ~BST_FOCUS);
    Redraw(button);
    if (StyleOf(button) & BS_NOTIFY) {
        Notify(button, gained ? BN_SETFOCUS : BN_KILLFOCUS);
    }
}

void OnEnable(HWND button, ButtonState& state, bool enabled) {
    if (!enabled) {
        state.spaceHeld = false;
        if (state.mouseTracking && ::GetCapture() == button) {
            ::ReleaseCapture();
        }
        state.mouseTracking = false;
        state.state &= ~BST_PUSHED;
    }
    Redraw(button);
}

LRESULT DialogCode(HWND button) {
    switch (ButtonType(StyleOf(button))) {
        case BS_PUSHBUTTON:
        case BS_PUSHBOX:
        case BS_OWNERDRAW:
        case BS_USERBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        default:
            return DLGC_BUTTON;
    }
}

// BM_SETSTYLE replaces the style's low word (the type and the BS_ flags) and keeps the window
// styles.
void SetButtonStyle(HWND button, WPARAM style, bool redraw) {
    const DWORD updated = (StyleOf(button) & 0xFFFF0000u) | (static_cast<DWORD>(style) & 0xFFFFu);
    ::SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(updated));
    if (redraw) {
        Redraw(button);
    }
}

void PaintNow(HWND button) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(button, &paint);
    if (dc != nullptr) {
        PaintButton(button, dc);
        ::EndPaint(button, &paint);
    }
}

}  // namespace

LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        if (!OnCreate(button)) {
            return FALSE;
        }
        return ::DefWindowProcA(button, message, wParam, lParam);
    }
    ButtonState* state = StateOf(button);
    if (state == nullptr) {
        return ::DefWindowProcA(button, message, wParam, lParam);
    }
    switch (message) {
        case WM_NCDESTROY:
            OnDestroy(button);
            return ::DefWindowProcA(button, message, wParam, lParam);
        case WM_NCHITTEST:
            if (!TakesInput(button)) {
                return HTTRANSPARENT;
            }
            return ::DefWindowProcA(button, message, wParam, lParam);
        case WM_GETDLGCODE:
            return DialogCode(button);
        case WM_ERASEBKGND:
            EraseButton(button, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            PaintNow(button);
            return 0;
        case WM_PRINTCLIENT:
            PaintButton(button, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnMouseDown(button, *state);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(button, *state, lParam);
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp(button, *state, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            OnCaptureLost(button, *state);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                OnSpaceDown(button, *state);
                return 0;
            }
            return ::DefWindowProcA(button, message, wParam, lParam);
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                OnSpaceUp(button, *state);
                return 0;
            }
            return ::DefWindowProcA(button, message, wParam, lParam);
        case WM_SETFOCUS:
            OnFocus(button, *state, true);
            return 0;
        case WM_KILLFOCUS:
            OnFocus(button, *state, false);
            return 0;
        case WM_ENABLE:
            OnEnable(button, *state, wParam != 0);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = ::DefWindowProcA(button, message, wParam, lParam);
            Redraw(button);
            return result;
        }
        case WM_SETFONT:
            state->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam) != 0) {
                Redraw(button);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(state->font);
        case BM_GETCHECK:
            return state->state & (BST_CHECKED | BST_INDETERMINATE);
        case BM_SETCHECK:
            SetCheck(button, *state, static_cast<UINT>(wParam));
            return 0;
        case BM_GETSTATE:
            return state->state;
        case BM_SETSTATE:
            SetPushed(button, *state, wParam != 0);
            return 0;
        case BM_SETSTYLE:
            SetButtonStyle(button, wParam, LOWORD(lParam) != 0);
            return 0;
        case BM_CLICK:
            if (TakesInput(button) && ::IsWindowEnabled(button)) {
                Click(button, *state);
            }
            return 0;
        default:
            return ::DefWindowProcA(button, message, wParam, lParam);
    }
}

void RegisterButtonClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = ButtonProcedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "Button";
    ::RegisterClassA(&windowClass);
}

}  // namespace layer::user

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND button = ::GetDlgItem(dialog, id);
    if (button == nullptr) {
        return FALSE;
    }
    ::SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND button = ::GetDlgItem(dialog, id);
    if (button == nullptr) {
        return 0;
    }
    return static_cast<UINT>(::SendMessageA(button, BM_GETCHECK, 0, 0));
}
