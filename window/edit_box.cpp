// The edit box kind.
#include "window/edit_box.h"

#include <algorithm>

#include "window/border_rule.h"

namespace quorvane {
namespace {

// One full-width character in code page 936, measured for the lowest height the entry may have.
constexpr char kFullWidthCharacter[] = "中";

}  // namespace

EditBox::~EditBox() {
    if (brush_ != nullptr) {
        ::DeleteObject(brush_);
    }
}

DWORD EditBox::StyleFor(const EditBoxSettings& settings) {
    constexpr DWORD kAlignments[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    DWORD style = kAlignments[std::clamp(settings.alignment, 0, 2)];
    style |=
        settings.multiLine ? static_cast<DWORD>(ES_MULTILINE) : static_cast<DWORD>(ES_AUTOHSCROLL);
    if (!settings.hideSelection) {
        style |= ES_NOHIDESEL;
    }
    return style;
}

COLORREF EditBox::BackgroundColour() const {
    const auto& settings = std::get<EditBoxSettings>(Entry().settings);
    return settings.background == kDefaultColour ? ::GetSysColor(COLOR_BTNFACE)
                                                 : settings.background;
}

bool EditBox::Create(HWND parent, int childId, HINSTANCE instance) {
    const auto& settings = std::get<EditBoxSettings>(Entry().settings);
    brush_ = ::CreateSolidBrush(BackgroundColour());
    const FormRect& rect = Entry().rect;
    HWND window = ::CreateWindowExA(
        0, "EDIT", settings.text, CommonChildStyle() | StyleFor(settings), rect.left, rect.top,
        rect.width, rect.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
        instance, nullptr);
    if (window == nullptr) {
        return false;
    }
    Attach(window);
    font_ = std::make_unique<FormFont>(settings.font);
    if (!settings.multiLine) {
        FitHeightToFont();
    }
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
    ::SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(settings.maximumLength), 0);
    ::SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(settings.selectionStart),
                   static_cast<LPARAM>(settings.selectionStart + settings.selectionLength));
    ::SendMessageA(window, EM_SCROLLCARET, 0, 0);
    ApplyBorder(window, settings.border);
    return true;
}

void EditBox::FitHeightToFont() {
    HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) {
        return;
    }
    HGDIOBJ previousFont = ::SelectObject(screen, font_->Handle());
    SIZE extent{};
    const BOOL measured = ::GetTextExtentPoint32A(
        screen, kFullWidthCharacter, static_cast<int>(sizeof(kFullWidthCharacter) - 1), &extent);
    ::SelectObject(screen, previousFont);
    ::ReleaseDC(nullptr, screen);
    if (!measured) {
        return;
    }
    const int lowest = extent.cy + 2 * ::GetSystemMetrics(SM_CYEDGE);
    RECT outer;
    ::GetWindowRect(Handle(), &outer);
    if (outer.bottom - outer.top < lowest) {
        ::SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, lowest,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HBRUSH EditBox::AnswerColour(HDC dc) {
    const auto& settings = std::get<EditBoxSettings>(Entry().settings);
    ::SetTextColor(dc, settings.textColour);
    ::SetBkColor(dc, BackgroundColour());
    return brush_;
}

}  // namespace quorvane
