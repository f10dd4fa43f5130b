// The transparent label kind.
#include "window/transparent_label.h"

#include "window/form_font.h"
#include "window/label_text.h"
#include "window/window_classes.h"

namespace quorvane {

bool TransparentLabel::Create(HWND parent, int childId, HINSTANCE instance) {
    if (!RegisterFormClass(kTransparentLabelClass, &Procedure, instance)) {
        return false;
    }
    const auto& settings = std::get<TransparentLabelSettings>(Entry().settings);
    caption_ = settings.caption;
    const FormRect& rect = Entry().rect;
    HWND window =
        ::CreateWindowExA(WS_EX_TRANSPARENT, kTransparentLabelClass, caption_.c_str(),
                          CommonChildStyle(), rect.left, rect.top, rect.width, rect.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), instance, this);
    return window != nullptr;
}

void TransparentLabel::SetText(const std::string& text) {
    caption_ = text;
    ::SetWindowTextA(Handle(), caption_.c_str());
    // The label paints no background, so the area behind it is erased first: otherwise the new
    // text would be drawn over the old one.
    HWND container = ::GetParent(Handle());
    RECT area;
    ::GetClientRect(Handle(), &area);
    ::MapWindowPoints(Handle(), container, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(container, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CALLBACK TransparentLabel::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    return GuardWindowProcedure([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            static_cast<TransparentLabel*>(CreationParameter(lParam))->Attach(window);
        }
        auto* label = dynamic_cast<TransparentLabel*>(Control::FromHandle(window));
        if (label != nullptr && message == WM_PAINT) {
            return label->OnPaint();
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    });
}

LRESULT TransparentLabel::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    if (dc != nullptr) {
        Paint(dc);
    }
    ::EndPaint(Handle(), &paint);
    return 0;
}

void TransparentLabel::Paint(HDC dc) {
    const std::string text = WindowText(Handle());
    if (text.empty()) {
        return;
    }
    const auto& settings = std::get<TransparentLabelSettings>(Entry().settings);
    FormFont font(settings.font);
    HGDIOBJ previousFont = ::SelectObject(dc, font.Handle());
    RECT client;
    ::GetClientRect(Handle(), &client);
    const UINT format = LabelTextFormat(settings.horizontalAlignment, settings.wordWrap == 1,
                                        settings.verticalAlignment);
    DrawLabelText(dc, text, client, format, settings.textEffect, settings.textColour);
    ::SelectObject(dc, previousFont);
}

}  // namespace quorvane
