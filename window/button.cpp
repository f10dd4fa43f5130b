// The push button kind.
#include "window/button.h"

#include "window/shell_link.h"

namespace quorvane {
namespace {

constexpr DWORD kHorizontalAlignments[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
constexpr DWORD kVerticalAlignments[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};

}  // namespace

DWORD Button::StyleFor(const ButtonSettings& settings) {
    DWORD style = BS_MULTILINE | (settings.buttonType == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (settings.horizontalAlignment >= 0 && settings.horizontalAlignment <= 2) {
        style |= kHorizontalAlignments[settings.horizontalAlignment];
    }
    if (settings.verticalAlignment >= 0 && settings.verticalAlignment <= 2) {
        style |= kVerticalAlignments[settings.verticalAlignment];
    }
    return style;
}

bool Button::Create(HWND parent, int childId, HINSTANCE instance) {
    const auto& settings = std::get<ButtonSettings>(Entry().settings);
    const FormRect& rect = Entry().rect;
    HWND window = ::CreateWindowExA(
        0, "BUTTON", settings.caption, CommonChildStyle() | StyleFor(settings), rect.left, rect.top,
        rect.width, rect.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
        instance, nullptr);
    if (window == nullptr) {
        return false;
    }
    Attach(window);
    font_ = std::make_unique<FormFont>(settings.font);
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
    return true;
}

void Button::OnCommand(WORD notification) {
    if (notification == BN_CLICKED) {
        RaiseShellEvent({WindowNumber(), Entry().formNumber, kClickedEvent, {}});
    }
}

}  // namespace quorvane
