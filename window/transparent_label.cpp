// The transparent label kind.
#include "window/transparent_label.h"

#include "window/form_font.h"
#include "window/label_text.h"
#include "window/refresh_label_area.h"
#include "window/transparent_label_fit.h"
#include "window/window_classes.h"

namespace quorvane {

TransparentLabel::TransparentLabel(const FormEntry& entry, uint32_t windowNumber)
    : Control(entry, windowNumber), settings_(std::get<TransparentLabelSettings>(entry.settings)) {}

bool TransparentLabel::Create(HWND parent, int childId, HINSTANCE instance) {
    if (!RegisterFormClass(kTransparentLabelClass, &Procedure, instance)) {
        return false;
    }
    const FormRect& rect = Entry().rect;
    HWND window =
        ::CreateWindowExA(WS_EX_TRANSPARENT, kTransparentLabelClass, settings_.Caption().c_str(),
                          CommonChildStyle(), rect.left, rect.top, rect.width, rect.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), instance, this);
    return window != nullptr;
}

void TransparentLabel::SetSetting(int32_t index, const LabelSettingValue& value) {
    if (settings_.Store(index, value) && index == kCaptionSetting) {
        ::SetWindowTextA(Handle(), settings_.Caption().c_str());
    }
    RefreshLabelArea(Handle());
}

std::optional<LabelSettingValue> TransparentLabel::GetSetting(int32_t index) const {
    return settings_.Get(index);
}

LRESULT CALLBACK TransparentLabel::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    return GuardWindowProcedure([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            static_cast<TransparentLabel*>(CreationParameter(lParam))->Attach(window);
        }
        auto* label = dynamic_cast<TransparentLabel*>(Control::FromHandle(window));
        if (label != nullptr) {
            switch (message) {
                case WM_PAINT:
                    return label->OnPaint();
                case WM_WINDOWPOSCHANGED:
                    return label->OnWindowPositionChanged(wParam, lParam);
                default:
                    break;
            }
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

LRESULT TransparentLabel::OnWindowPositionChanged(WPARAM wParam, LPARAM lParam) {
    // The place the label left still shows its old text, which nothing else would erase: once
    // the move itself is handled, the area is repainted.
    const LRESULT result = ::DefWindowProcA(Handle(), WM_WINDOWPOSCHANGED, wParam, lParam);
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (position != nullptr && (position->flags & SWP_NOMOVE) == 0) {
        RefreshLabelArea(Handle());
    }
    return result;
}

void TransparentLabel::Paint(HDC dc) {
    const std::string text = WindowText(Handle());
    if (text.empty()) {
        return;
    }
    RECT client;
    ::GetClientRect(Handle(), &client);
    // The font is made for this paint only. A single-line text that is wider than the label is
    // drawn smaller rather than cut at both edges, so that the whole number can be read.
    FormFont font(settings_.Font());
    HFONT fitted = settings_.WordWrap()
                       ? nullptr
                       : CreateFontToFitWidth(dc, font.Handle(), text, client.right - client.left);
    HGDIOBJ previousFont = ::SelectObject(dc, fitted != nullptr ? fitted : font.Handle());
    const UINT format = LabelTextFormat(settings_.HorizontalAlignment(), settings_.WordWrap(),
                                        settings_.VerticalAlignment());
    DrawLabelText(dc, text, client, format, settings_.TextEffect(), settings_.TextColour());
    ::SelectObject(dc, previousFont);
    if (fitted != nullptr) {
        ::DeleteObject(fitted);
    }
}

}  // namespace quorvane
