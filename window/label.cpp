// The label kind.
#include "window/label.h"

#include "window/border_rule.h"
#include "window/form_font.h"
#include "window/label_text.h"
#include "window/window_classes.h"

namespace quorvane {

bool Label::Create(HWND parent, int childId, HINSTANCE instance) {
    if (!RegisterFormClass(kLabelClass, &Procedure, instance)) {
        return false;
    }
    const auto& settings = std::get<LabelSettings>(Entry().settings);
    const FormRect& rect = Entry().rect;
    HWND window =
        ::CreateWindowExA(0, kLabelClass, settings.caption, CommonChildStyle(), rect.left, rect.top,
                          rect.width, rect.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), instance, this);
    if (window == nullptr) {
        return false;
    }
    ApplyBorder(window, settings.border);
    return true;
}

LRESULT CALLBACK Label::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProcedure([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            static_cast<Label*>(CreationParameter(lParam))->Attach(window);
        }
        auto* label = dynamic_cast<Label*>(Control::FromHandle(window));
        if (label != nullptr && message == WM_PAINT) {
            return label->OnPaint();
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    });
}

LRESULT Label::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    if (dc != nullptr) {
        Paint(dc, paint.rcPaint);
    }
    ::EndPaint(Handle(), &paint);
    return 0;
}

void Label::Paint(HDC dc, const RECT& update) {
    if (::IsRectEmpty(&update)) {
        return;
    }
    const auto& settings = std::get<LabelSettings>(Entry().settings);
    RECT client;
    ::GetClientRect(Handle(), &client);
    RECT clipped;
    if (!::IntersectRect(&clipped, &update, &client)) {
        return;
    }
    const int savedState = ::SaveDC(dc);
    ::IntersectClipRect(dc, clipped.left, clipped.top, clipped.right, clipped.bottom);

    const COLORREF background =
        settings.background == kDefaultColour ? ::GetSysColor(COLOR_BTNFACE) : settings.background;
    HBRUSH brush = ::CreateSolidBrush(background);
    ::FillRect(dc, &clipped, brush);
    ::DeleteObject(brush);

    const std::string caption = WindowText(Handle());
    if (!caption.empty()) {
        FormFont font(settings.font);
        HGDIOBJ previousFont = ::SelectObject(dc, font.Handle());
        const UINT format = LabelTextFormat(settings.horizontalAlignment, settings.wordWrap,
                                            settings.verticalAlignment);
        DrawLabelText(dc, caption, client, format, settings.textEffect, settings.textColour);
        ::SelectObject(dc, previousFont);
    }
    ::RestoreDC(dc, savedState);
}

}  // namespace quorvane
