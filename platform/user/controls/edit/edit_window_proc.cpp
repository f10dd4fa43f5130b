// The "Edit" class's window procedure: one small handler per message, each turning the message
// into an operation of the control. The control's state hangs off the window's extra bytes from
// WM_NCCREATE to WM_NCDESTROY.
#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>

#include "platform/user/controls/edit/edit_class.h"
#include "platform/user/controls/edit/edit_control.h"
#include "platform/user/controls/edit/edit_painter.h"
#include "platform/user/window_class.h"

namespace layer::user::edit {

namespace {

constexpr int kStateOffset = 0;

EditControl* StateOf(HWND window) {
    return reinterpret_cast<EditControl*>(GetWindowLongPtrA(window, kStateOffset));
}

bool KeyDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

LRESULT OnNcCreate(HWND window, WPARAM wParam, LPARAM lParam) {
    auto control = std::make_unique<EditControl>(window);
    SetWindowLongPtrA(window, kStateOffset, reinterpret_cast<LONG_PTR>(control.release()));
    return DefWindowProcA(window, WM_NCCREATE, wParam, lParam);
}

LRESULT OnCreate(EditControl& control, LPARAM lParam) {
    auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName)) {
        control.SetInitialText(create->lpszName);
    }
    return 0;
}

LRESULT OnPaint(EditControl& control) {
    HWND window = control.Window();
    // The caret is taken off while the area under it is painted, so that its inversion is put
    // back on the new pixels.
    const bool caretHidden = control.HasFocus() && HideCaret(window);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        PaintEditClient(control, dc, paint.rcPaint);
        EndPaint(window, &paint);
    }
    if (caretHidden) {
        ShowCaret(window);
    }
    return 0;
}

LRESULT OnGetText(const EditControl& control, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0) {
        return 0;
    }
    const std::string& bytes = control.Text().Bytes();
    size_t count = control.Text().Snap(std::min<size_t>(bytes.size(), size - 1));
    std::memcpy(out, bytes.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT OnGetSelection(const EditControl& control, WPARAM startOut, LPARAM endOut) {
    auto [start, end] = control.Selection();
    if (startOut != 0) {
        *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(start);
    }
    if (endOut != 0) {
        *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(end);
    }
    // Positions beyond a word's range do not fit the packed answer, which is then -1.
    if (start > 0xFFFF || end > 0xFFFF) {
        return -1;
    }
    return MAKELRESULT(start, end);
}

LRESULT OnKeyDown(EditControl& control, WPARAM key) {
    const bool shift = KeyDown(VK_SHIFT);
    const bool ctrl = KeyDown(VK_CONTROL);
    const bool readOnly = (control.Style() & ES_READONLY) != 0;
    const EditText& text = control.Text();
    switch (key) {
        case VK_LEFT:
            control.MoveCaret(ctrl ? text.WordAt(text.PreviousBoundary(control.Caret())).first
                                   : text.PreviousBoundary(control.Caret()),
                              shift);
            break;
        case VK_RIGHT:
            control.MoveCaret(
                ctrl ? text.WordAt(control.Caret()).second : text.NextBoundary(control.Caret()),
                shift);
            break;
        case VK_HOME:
            control.MoveCaret(0, shift);
            break;
        case VK_END:
            control.MoveCaret(text.Size(), shift);
            break;
        case VK_DELETE:
            if (shift) {
                control.Cut();
            } else if (!readOnly) {
                control.DeleteForward();
            }
            break;
        case VK_INSERT:
            if (ctrl) {
                control.Copy();
            } else if (shift) {
                control.Paste();
            }
            break;
        default:
            break;
    }
    return 0;
}

// Control characters come from TranslateMessage for Backspace and Ctrl+letter; the rest are
// typed text, a double-byte character as its lead byte and then its trail byte.
LRESULT OnChar(EditControl& control, WPARAM character) {
    constexpr WPARAM kCtrlA = 0x01, kCtrlC = 0x03, kBackspace = 0x08, kCtrlV = 0x16, kCtrlX = 0x18,
                     kCtrlZ = 0x1A;
    const bool readOnly = (control.Style() & ES_READONLY) != 0;
    switch (character) {
        case kCtrlA:
            control.SelectAll();
            return 0;
        case kCtrlC:
            control.Copy();
            return 0;
        case kCtrlV:
            control.Paste();
            return 0;
        case kCtrlX:
            control.Cut();
            return 0;
        case kCtrlZ:
            if (!readOnly) {
                control.Undo();
            }
            return 0;
        case kBackspace:
            if (!readOnly) {
                control.DeleteBackward();
            }
            return 0;
        default:
            if (!readOnly && character <= 0xFF) {
                control.TypeCharacter(static_cast<unsigned char>(character));
            }
            return 0;
    }
}

LRESULT OnButtonDown(EditControl& control, LPARAM lParam) {
    HWND window = control.Window();
    if (GetFocus() != window) {
        SetFocus(window);
    }
    control.BeginDrag(GET_X_LPARAM(lParam), KeyDown(VK_SHIFT));
    return 0;
}

LRESULT OnSetReadOnly(EditControl& control, WPARAM readOnly) {
    HWND window = control.Window();
    LONG style = GetWindowLongA(window, GWL_STYLE);
    style = readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY);
    SetWindowLongA(window, GWL_STYLE, style);
    InvalidateRect(window, nullptr, TRUE);
    return TRUE;
}

LRESULT Dispatch(EditControl& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(control, lParam);
        case WM_PAINT:
            return OnPaint(control);
        case WM_ERASEBKGND:
            // The client painting fills its own background with the parent's brush.
            return 1;
        case WM_SETFONT:
            control.SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(control.Font());
        case WM_SETTEXT:
            control.SetText(lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
            return TRUE;
        case WM_GETTEXT:
            return OnGetText(control, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(control.Text().Size());
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        case WM_SETFOCUS:
            control.GainFocus();
            return 0;
        case WM_KILLFOCUS:
            control.LoseFocus();
            return 0;
        case WM_ENABLE:
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_SIZE:
            control.ScrollCaretIntoView();
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_KEYDOWN:
            return OnKeyDown(control, wParam);
        case WM_CHAR:
            return OnChar(control, wParam);
        case WM_LBUTTONDOWN:
            return OnButtonDown(control, lParam);
        case WM_LBUTTONDBLCLK:
            control.SelectWordAt(GET_X_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            control.DragTo(GET_X_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            control.EndDrag();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) {
                control.EndDrag();
            }
            return 0;
        case WM_CUT:
            control.Cut();
            return 0;
        case WM_COPY:
            control.Copy();
            return 0;
        case WM_PASTE:
            control.Paste();
            return 0;
        case WM_CLEAR:
            control.Clear();
            return 0;
        case WM_UNDO:
        case EM_UNDO:
            return control.Undo() ? TRUE : FALSE;
        case EM_CANUNDO:
            return control.CanUndo() ? TRUE : FALSE;
        case EM_EMPTYUNDOBUFFER:
            control.EmptyUndo();
            return 0;
        case EM_GETSEL:
            return OnGetSelection(control, wParam, lParam);
        case EM_SETSEL:
            control.SetSelection(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
            return 0;
        case EM_SCROLLCARET:
            control.ScrollCaretIntoView();
            return TRUE;
        case EM_REPLACESEL:
            if (lParam != 0) {
                control.ReplaceSelection(reinterpret_cast<LPCSTR>(lParam), false, wParam != 0);
            }
            return 0;
        case EM_LIMITTEXT:
            control.SetLimit(static_cast<size_t>(wParam));
            return 0;
        case EM_GETLIMITTEXT:
            return static_cast<LRESULT>(control.Limit());
        case EM_SETREADONLY:
            return OnSetReadOnly(control, wParam);
        case EM_GETMODIFY:
            return control.Modified() ? TRUE : FALSE;
        case EM_SETMODIFY:
            control.SetModified(wParam != 0);
            return 0;
        case EM_SETPASSWORDCHAR:
            control.SetPasswordCharacter(static_cast<char>(wParam));
            return 0;
        case EM_GETPASSWORDCHAR:
            return static_cast<unsigned char>(control.PasswordCharacter());
        case EM_GETLINECOUNT:
            return 1;
        case EM_LINELENGTH:
            return static_cast<LRESULT>(control.Text().Size());
        case EM_GETFIRSTVISIBLELINE:
            return 0;
        case EM_POSFROMCHAR: {
            if (wParam > control.Text().Size()) {
                return -1;
            }
            size_t boundary = control.Text().Snap(wParam);
            return MAKELRESULT(control.ClientXOf(boundary), EditControl::kTextTop);
        }
        case EM_CHARFROMPOS:
            return static_cast<LRESULT>(control.BoundaryAtClientX(GET_X_LPARAM(lParam)));
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(window, wParam, lParam);
    }
    EditControl* control = StateOf(window);
    if (control == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, kStateOffset, 0);
        delete control;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return Dispatch(*control, window, message, wParam, lParam);
    } catch (const std::exception&) {
        // Running out of memory while editing leaves the text as it was; nothing leaves the
        // window procedure.
        HWND parent = GetParent(window);
        if (parent != nullptr) {
            SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), EN_ERRSPACE),
                         reinterpret_cast<LPARAM>(window));
        }
        return 0;
    }
}

void RegisterEditClass() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = EditWindowProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    windowClass.lpszClassName = "Edit";
    RegisterSystemClass(windowClass);
}

}  // namespace layer::user::edit
