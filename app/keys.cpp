// Pre-translation of keys for the main window and its descendants.
#include "app/keys.h"

#include <cctype>
#include <string>

#include "app/shell.h"
#include "window/focus_stops.h"
#include "window/main_window.h"

namespace quorvane {
namespace {

struct Modifiers {
    bool shift;
    bool control;
    bool alt;
};

Modifiers HeldModifiers() {
    return {::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0};
}

bool IsKeyboardMessage(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool IsPushButton(const Control& control) {
    return control.Entry().kind == ControlKind::Button;
}

bool HasDefaultStyle(const Control& control) {
    const LONG style = ::GetWindowLongA(control.Handle(), GWL_STYLE);
    return (style & 0x0F) == BS_DEFPUSHBUTTON;
}

// A multi-line edit box keeps Enter for itself.
bool KeepsEnter(const Control* control) {
    if (control == nullptr || control->Entry().kind != ControlKind::EditBox) {
        return false;
    }
    return (::GetWindowLongA(control->Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
}

void Click(const MainWindow& window, const Control& button) {
    RaiseEvent({window.GetForm().windowNumber, button.Entry().formNumber, kClickedEvent, {}});
}

void MoveFocus(const MainWindow& window, bool forward) {
    if (HWND next = NeighbourFocusStop(window, ::GetFocus(), forward)) {
        ::SetFocus(next);
    }
}

bool HandleEnter(const MainWindow& window) {
    Control* focused = Control::FromHandle(::GetFocus());
    if (KeepsEnter(focused)) {
        return false;
    }
    if (focused != nullptr && IsPushButton(*focused) && HasDefaultStyle(*focused)) {
        Click(window, *focused);
        return true;
    }
    if (window.Settings().enterMovesFocus) {
        MoveFocus(window, true);
        return true;
    }
    for (Control* control : window.ControlsInFormOrder()) {
        if (IsPushButton(*control) && HasDefaultStyle(*control) &&
            ::IsWindowEnabled(control->Handle())) {
            Click(window, *control);
            return true;
        }
    }
    return false;
}

// "&" followed by the key's character, letters in either case.
bool CaptionMarks(const std::string& caption, WPARAM key) {
    for (size_t index = 0; index + 1 < caption.size(); ++index) {
        if (caption[index] == '&' &&
            std::toupper(static_cast<unsigned char>(caption[index + 1])) == static_cast<int>(key)) {
            return true;
        }
    }
    return false;
}

bool HandleMnemonic(const MainWindow& window, WPARAM key) {
    for (Control* control : window.ControlsInFormOrder()) {
        HWND handle = control->Handle();
        if (!::IsWindowVisible(handle) || !::IsWindowEnabled(handle) ||
            !CaptionMarks(WindowText(handle), key)) {
            continue;
        }
        if (IsPushButton(*control)) {
            Click(window, *control);
        }
        return true;
    }
    return false;
}

bool HandleKeyDown(const MainWindow& window, WPARAM key) {
    const Modifiers held = HeldModifiers();
    const bool none = !held.shift && !held.control && !held.alt;
    if (key == VK_TAB && !held.control && !held.alt) {
        MoveFocus(window, !held.shift);
        return true;
    }
    if (key == VK_RETURN && none) {
        return HandleEnter(window);
    }
    if (key == VK_ESCAPE && none && window.Settings().escCloses) {
        ::SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
        return true;
    }
    if (held.alt && !held.shift && !held.control &&
        ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
        return HandleMnemonic(window, key);
    }
    // F1 opens help only with the F1-help setting, and arrows act only on option buttons; this
    // form has neither, so both pass on like every other key.
    return false;
}

}  // namespace

bool PreTranslateKeys(const MSG& message) {
    MainWindow* window = MainWindow::Containing(message.hwnd);
    if (window == nullptr) {
        return false;
    }
    if (IsKeyboardMessage(message.message) && !::IsWindowEnabled(message.hwnd)) {
        return false;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        return HandleKeyDown(*window, message.wParam);
    }
    return false;
}

}  // namespace quorvane
