// The group box kind.
#include "window/group_box.h"

namespace quorvane {
namespace {

constexpr DWORD kAlignments[] = {BS_LEFT, BS_CENTER, BS_RIGHT};

}  // namespace

GroupBox::~GroupBox() {
    if (brush_ != nullptr) {
        ::DeleteObject(brush_);
    }
}

COLORREF GroupBox::BackgroundColour() const {
    const auto& settings = std::get<GroupBoxSettings>(Entry().settings);
    return settings.background == kDefaultColour ? ::GetSysColor(COLOR_BTNFACE)
                                                 : settings.background;
}

bool GroupBox::Create(HWND parent, int childId, HINSTANCE instance) {
    const auto& settings = std::get<GroupBoxSettings>(Entry().settings);
    brush_ = ::CreateSolidBrush(BackgroundColour());
    DWORD style = CommonChildStyle() | BS_GROUPBOX;
    if (settings.alignment >= 0 && settings.alignment <= 2) {
        style |= kAlignments[settings.alignment];
    }
    const FormRect& rect = Entry().rect;
    HWND window = ::CreateWindowExA(
        0, "BUTTON", settings.caption, style, rect.left, rect.top, rect.width, rect.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), instance, nullptr);
    if (window == nullptr) {
        return false;
    }
    Attach(window);
    originalProcedure_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    font_ = std::make_unique<FormFont>(settings.font);
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
    return true;
}

HBRUSH GroupBox::AnswerColour(HDC dc) {
    const auto& settings = std::get<GroupBoxSettings>(Entry().settings);
    ::SetTextColor(dc, settings.textColour);
    ::SetBkColor(dc, BackgroundColour());
    return brush_;
}

LRESULT CALLBACK GroupBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProcedure([&]() -> LRESULT {
        auto* groupBox = dynamic_cast<GroupBox*>(Control::FromHandle(window));
        if (groupBox == nullptr || groupBox->originalProcedure_ == nullptr) {
            return ::DefWindowProcA(window, message, wParam, lParam);
        }
        return groupBox->HandleMessage(message, wParam, lParam);
    });
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return OnEraseBackground(message, wParam, lParam);
        case WM_COMMAND:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            LRESULT result = 0;
            if (PassToSender(message, wParam, lParam, result)) {
                return result;
            }
            return CallOriginal(message, wParam, lParam);
        }
        default:
            return CallOriginal(message, wParam, lParam);
    }
}

LRESULT GroupBox::OnEraseBackground(UINT message, WPARAM wParam, LPARAM lParam) {
    RECT client;
    ::GetClientRect(Handle(), &client);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush_);
    return CallOriginal(message, wParam, lParam);
}

LRESULT GroupBox::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(originalProcedure_, Handle(), message, wParam, lParam);
}

}  // namespace quorvane
