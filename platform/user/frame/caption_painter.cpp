// The caption's contents: the icon at the left, the title in bold after it, clipped before the
// first button, and the buttons at the right in their pressed or raised look.
#include "platform/user/frame/caption_painter.h"

#include "platform/api/gdi32.h"
#include "platform/api/resources.h"
#include "platform/api/text.h"
#include "platform/gdi/object_table.h"
#include "platform/user/frame/caption_buttons.h"
#include "platform/user/icons/window_icons.h"
#include "platform/user/nonclient_metrics.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

// The title starts this far right of the icon's cell.
constexpr int kTitleGap = 2;

void DrawTitle(const Window& window, HDC dc, bool active) {
    if (window.text.empty()) {
        return;
    }
    RECT caption = CaptionRect(window);
    RECT title{caption.left + kTitleGap, caption.top, caption.right - kTitleGap,
               caption.bottom - 1};
    // Without an icon the title starts at the caption's left.
    if (RECT icon = CaptionIconRect(window);
        icon.right > icon.left && SmallIconOf(window.handle) != nullptr) {
        title.left = caption.left + GetSystemMetrics(SM_CXSIZE) + kTitleGap;
    }
    CaptionButtonRects buttons = CaptionButtonRectsOf(window);
    for (const RECT& box : {buttons.close, buttons.maximize, buttons.minimize}) {
        if (box.right > box.left && box.left - kTitleGap < title.right) {
            title.right = box.left - kTitleGap;
        }
    }
    if (title.right <= title.left) {
        return;
    }
    HGDIOBJ oldFont = ::SelectObject(dc, CaptionFont());
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor =
        ::SetTextColor(dc, ::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    ::DrawTextA(dc, window.text.c_str(), static_cast<int>(window.text.size()), &title,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);
}

void DrawButtons(const Window& window, HDC dc) {
    const PressedCaptionButton& pressed = CurrentPressedCaptionButton();
    for (CaptionButton button :
         {CaptionButton::Close, CaptionButton::Maximize, CaptionButton::Minimize}) {
        RECT box = CaptionButtonRect(window, button);
        if (box.right <= box.left) {
            continue;
        }
        bool down = pressed.window == window.handle && pressed.button == button;
        DrawCaptionButton(dc, box, button, down, CaptionButtonEnabled(window.handle, button));
    }
}

}  // namespace

HFONT CaptionFont() {
    // The system's caption font lives as long as the process, like a stock object: nothing may
    // delete it, and it is not counted among the program's live objects.
    static HFONT font = [] {
        HFONT created = ::CreateFontA(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0,
                                      0, 0, 0, nullptr);
        if (gdi::GdiObject* object = gdi::Objects().Find(created)) {
            object->stock = true;
        }
        return created;
    }();
    return font;
}

void PaintCaptionContents(HWND handle, HDC dc, bool active) {
    const Window* window = LookupWindow(handle);
    if (window == nullptr || dc == nullptr) {
        return;
    }
    RECT caption = CaptionRect(*window);
    if (caption.bottom == caption.top) {
        return;
    }
    RECT icon = CaptionIconRect(*window);
    if (HICON small = SmallIconOf(handle); small != nullptr && icon.right > icon.left) {
        ::DrawIconEx(dc, icon.left, icon.top, small, icon.right - icon.left, icon.bottom - icon.top,
                     0, nullptr, DI_NORMAL);
    }
    DrawTitle(*window, dc, active);
    DrawButtons(*window, dc);
}

void RepaintCaptionButtons(HWND handle) {
    const Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    HDC dc = ::GetWindowDC(handle);
    if (dc == nullptr) {
        return;
    }
    DrawButtons(*window, dc);
    ::ReleaseDC(handle, dc);
}

}  // namespace layer::user
