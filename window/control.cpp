// The common part of the form's controls and the routing of notifications between them.
#include "window/control.h"

#include <unordered_map>

namespace quorvane {
namespace {

// Every live control by its window handle. Only the GUI thread creates and uses controls.
std::unordered_map<HWND, Control*>& ControlsByHandle() {
    static std::unordered_map<HWND, Control*> controls;
    return controls;
}

bool IsColourQuery(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

Control::Control(const FormEntry& entry, uint32_t windowNumber)
    : entry_(entry), windowNumber_(windowNumber) {}

Control::~Control() {
    if (handle_ != nullptr) {
        auto& controls = ControlsByHandle();
        auto found = controls.find(handle_);
        if (found != controls.end() && found->second == this) {
            controls.erase(found);
        }
    }
}

HBRUSH Control::AnswerColour(HDC) {
    return nullptr;
}

void Control::OnCommand(WORD) {}

Control* Control::FromHandle(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    auto& controls = ControlsByHandle();
    auto found = controls.find(window);
    return found == controls.end() ? nullptr : found->second;
}

void Control::Attach(HWND window) {
    handle_ = window;
    ControlsByHandle()[window] = this;
}

DWORD Control::CommonChildStyle() const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (entry_.disabled) {
        style |= WS_DISABLED;
    }
    if (entry_.focusStop) {
        style |= WS_TABSTOP;
    }
    return style;
}

bool PassToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Control* sender = Control::FromHandle(reinterpret_cast<HWND>(lParam));
    if (sender == nullptr) {
        return false;
    }
    if (IsColourQuery(message)) {
        HBRUSH brush = sender->AnswerColour(reinterpret_cast<HDC>(wParam));
        if (brush == nullptr) {
            return false;
        }
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    if (message == WM_COMMAND) {
        sender->OnCommand(HIWORD(wParam));
        result = 0;
        return true;
    }
    return false;
}

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace quorvane
