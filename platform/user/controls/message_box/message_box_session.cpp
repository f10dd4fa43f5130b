// A message box from creation to answer: the box and its controls are made with CreateWindowExA
// like any program's windows, the modality disables windows the way the MB_ flags say, and a
// nested GetMessageA loop runs until a button answers.
#include "platform/user/controls/message_box/message_box_session.h"

#include <algorithm>

#include "platform/user/controls/message_box/message_box_buttons.h"
#include "platform/user/controls/message_box/message_box_classes.h"
#include "platform/user/controls/message_box/message_box_layout.h"

namespace layer::user {
namespace {

// The dialog frame style bit, as a dialog template would give it.
constexpr DWORD kModalFrameStyle = 0x80;
// The box clips its children, so that erasing it never covers a button painted before it.
constexpr DWORD kBoxStyle =
    WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | kModalFrameStyle;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
// The identifier dialogs give their icon control, and the one of controls nobody addresses.
constexpr int kIconControlId = 1088;
constexpr int kTextControlId = 0xFFFF;

LPCSTR IconName(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONHAND:
            return IDI_HAND;
        case MB_ICONQUESTION:
            return IDI_QUESTION;
        case MB_ICONEXCLAMATION:
            return IDI_EXCLAMATION;
        case MB_ICONASTERISK:
            return IDI_ASTERISK;
        default:
            return nullptr;
    }
}

size_t DefaultButtonIndex(UINT type, size_t count) {
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < count ? index : 0;
}

HWND CreateChild(HWND box, LPCSTR className, LPCSTR text, DWORD style, const RECT& rect, int id) {
    return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, box,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

BOOL CALLBACK CollectEnabledTopLevel(HWND window, LPARAM lParam) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(lParam);
    if (::IsWindowEnabled(window) && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) {
        windows->push_back(window);
    }
    return TRUE;
}

}  // namespace

MessageBoxSession::MessageBoxSession(HWND owner, std::string text, std::string caption, UINT type)
    : owner_(owner), text_(std::move(text)), caption_(std::move(caption)), type_(type) {}

bool MessageBoxSession::CreateBox() {
    const std::span<const MessageBoxButton> buttons = MessageBoxButtons(type_);
    auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HICON icon = nullptr;
    if (LPCSTR iconName = IconName(type_)) {
        icon = ::LoadIconA(nullptr, iconName);
    }
    const MessageBoxLayout layout =
        LayOutMessageBox(text_, icon != nullptr, static_cast<int>(buttons.size()), font);

    RECT outer{0, 0, layout.client.cx, layout.client.cy};
    ::AdjustWindowRectEx(&outer, kBoxStyle, FALSE, kBoxExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    DWORD exStyle = kBoxExStyle;
    if ((type_ & (MB_TOPMOST | MB_MODEMASK)) == MB_TOPMOST ||
        (type_ & MB_MODEMASK) == MB_SYSTEMMODAL) {
        exStyle |= WS_EX_TOPMOST;
    }
    box_ = ::CreateWindowExA(exStyle, kMessageBoxClassName, caption_.c_str(), kBoxStyle, x, y,
                             width, height, owner_, nullptr, nullptr, this);
    if (box_ == nullptr) {
        return false;
    }
    if (icon != nullptr) {
        HWND iconControl = CreateChild(box_, "Static", "", SS_ICON, layout.icon, kIconControlId);
        ::SendMessageA(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    const size_t defaultIndex = DefaultButtonIndex(type_, buttons.size());
    for (size_t index = 0; index < buttons.size() && !boxGone_; ++index) {
        DWORD style = WS_TABSTOP | (index == 0 ? WS_GROUP : 0);
        style |= index == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        HWND button = CreateChild(box_, "Button", buttons[index].caption, style,
                                  layout.buttons[index], buttons[index].id);
        if (button == nullptr) {
            return false;
        }
        ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        buttons_.push_back(button);
    }
    if (boxGone_) {
        return false;
    }
    HWND textControl = CreateChild(box_, "Static", text_.c_str(), SS_LEFT | SS_NOPREFIX | WS_GROUP,
                                   layout.text, kTextControlId);
    ::SendMessageA(textControl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return !boxGone_;
}

// Task-modal boxes without an owner disable every enabled top-level window of the thread; any
// box with an owner disables that owner's top-level window; an application-modal box without an
// owner disables nothing, as the system does.
void MessageBoxSession::DisableWindows() {
    std::vector<HWND> candidates;
    if (owner_ != nullptr) {
        candidates.push_back(owner_);
    } else if ((type_ & MB_MODEMASK) == MB_TASKMODAL) {
        ::EnumThreadWindows(::GetCurrentThreadId(), CollectEnabledTopLevel,
                            reinterpret_cast<LPARAM>(&candidates));
    }
    for (HWND window : candidates) {
        if (window != box_ && ::IsWindowEnabled(window) &&
            std::find(disabled_.begin(), disabled_.end(), window) == disabled_.end()) {
            ::EnableWindow(window, FALSE);
            disabled_.push_back(window);
        }
    }
}

void MessageBoxSession::RestoreWindows() {
    for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) {
        if (::IsWindow(*it)) {
            ::EnableWindow(*it, TRUE);
        }
    }
    disabled_.clear();
}

int MessageBoxSession::Run() {
    if (owner_ != nullptr) {
        owner_ = ::GetAncestor(owner_, GA_ROOT);
    }
    previousActive_ = ::GetActiveWindow();
    previousFocus_ = ::GetFocus();
    if (!CreateBox()) {
        if (box_ != nullptr && !boxGone_) {
            ::DestroyWindow(box_);
        }
        return 0;
    }
    DisableWindows();
    ::ShowWindow(box_, SW_SHOWNORMAL);
    ::UpdateWindow(box_);
    ::SetFocus(buttons_[DefaultButtonIndex(type_, buttons_.size())]);

    std::optional<WPARAM> quitCode;
    MSG message{};
    while (!answer_ && !boxGone_) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            quitCode = got == 0 ? message.wParam : 0;
            break;
        }
        if (HandleKey(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }

    // The windows come back before the box goes, so that activation returns to them.
    RestoreWindows();
    if (!boxGone_) {
        ::DestroyWindow(box_);
    }
    if (previousActive_ != nullptr && ::IsWindow(previousActive_) &&
        ::IsWindowVisible(previousActive_) && ::IsWindowEnabled(previousActive_)) {
        ::SetActiveWindow(previousActive_);
    }
    if (previousFocus_ != nullptr && ::IsWindow(previousFocus_) &&
        ::IsWindowEnabled(::GetAncestor(previousFocus_, GA_ROOT))) {
        ::SetFocus(previousFocus_);
    }
    if (quitCode) {
        ::PostQuitMessage(static_cast<int>(*quitCode));
    }
    return answer_.value_or(0);
}

void MessageBoxSession::Answer(int id) {
    if (!answer_) {
        answer_ = id;
    }
}

void MessageBoxSession::CloseRequested() {
    if (std::optional<int> result = EscapeResult(type_)) {
        Answer(*result);
    }
}

void MessageBoxSession::BoxDestroyed() {
    boxGone_ = true;
}

HWND MessageBoxSession::FocusedButton() const {
    HWND focus = ::GetFocus();
    auto it = std::find(buttons_.begin(), buttons_.end(), focus);
    return it != buttons_.end() ? *it : nullptr;
}

void MessageBoxSession::MoveFocus(bool backwards) {
    if (buttons_.empty()) {
        return;
    }
    HWND current = FocusedButton();
    auto it = std::find(buttons_.begin(), buttons_.end(), current);
    size_t index = it != buttons_.end() ? static_cast<size_t>(it - buttons_.begin()) : 0;
    const size_t count = buttons_.size();
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    // The default look follows the focus between push buttons, as in dialogs.
    for (HWND button : buttons_) {
        const bool target = button == buttons_[index];
        ::SendMessageA(button, BM_SETSTYLE, target ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    ::SetFocus(buttons_[index]);
}

bool MessageBoxSession::HandleKey(const MSG& message) {
    if (message.hwnd != box_ && !::IsChild(box_, message.hwnd)) {
        return false;
    }
    if (message.message == WM_CHAR &&
        (message.wParam == '\r' || message.wParam == '\x1b' || message.wParam == '\t')) {
        return true;
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const bool alt = ::GetKeyState(VK_MENU) < 0;
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    if (alt || ctrl) {
        return false;
    }
    switch (message.wParam) {
        case VK_RETURN: {
            HWND target = FocusedButton();
            if (target == nullptr && !buttons_.empty()) {
                target = buttons_[DefaultButtonIndex(type_, buttons_.size())];
            }
            if (target != nullptr) {
                ::SendMessageA(target, BM_CLICK, 0, 0);
            }
            return true;
        }
        case VK_ESCAPE:
            CloseRequested();
            return true;
        case VK_TAB:
            MoveFocus(::GetKeyState(VK_SHIFT) < 0);
            return true;
        case VK_LEFT:
        case VK_UP:
            MoveFocus(true);
            return true;
        case VK_RIGHT:
        case VK_DOWN:
            MoveFocus(false);
            return true;
        default:
            return false;
    }
}

}  // namespace layer::user
