// The classic look of the Button class. Each kind of button has its own painting function; all
// of them take the state from BM_GETSTATE, the style, the window text and WM_GETFONT, so that a
// subclass that paints differently needs nothing from here.
#include "platform/user/controls/button/button_painter.h"

#include <string>

#include "platform/user/controls/button/button_state.h"
#include "platform/user/controls/control_text.h"

namespace layer::user {
namespace {

HFONT ButtonFont(HWND button) {
    auto font = reinterpret_cast<HFONT>(::SendMessageA(button, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

RECT ClientRect(HWND window) {
    RECT client{0, 0, 0, 0};
    ::GetClientRect(window, &client);
    return client;
}

RECT Shifted(RECT rect, int dx, int dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

RECT Deflated(RECT rect, int by) {
    rect.left += by;
    rect.top += by;
    rect.right -= by;
    rect.bottom -= by;
    return rect;
}

// The DrawTextA format for a caption: horizontal placement from BS_LEFT/BS_RIGHT/BS_CENTER
// (defaultHorizontal when neither is set), and either word breaking (BS_MULTILINE) or one line
// placed vertically by BS_TOP/BS_BOTTOM/BS_VCENTER.
UINT CaptionFormat(DWORD style, UINT defaultHorizontal) {
    UINT format = 0;
    switch (style & BS_CENTER) {
        case BS_LEFT:
            format |= DT_LEFT;
            break;
        case BS_RIGHT:
            format |= DT_RIGHT;
            break;
        case BS_CENTER:
            format |= DT_CENTER;
            break;
        default:
            format |= defaultHorizontal;
            break;
    }
    if (style & BS_MULTILINE) {
        return format | DT_WORDBREAK;
    }
    format |= DT_SINGLELINE;
    switch (style & BS_VCENTER) {
        case BS_TOP:
            return format | DT_TOP;
        case BS_BOTTOM:
            return format | DT_BOTTOM;
        default:
            return format | DT_VCENTER;
    }
}

// Word-broken text is placed vertically by hand, because DrawTextA places only single lines.
RECT PlaceMultilineText(HDC dc, const std::string& text, RECT area, DWORD style, UINT format) {
    RECT measured = area;
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    const int room = area.bottom - area.top;
    switch (style & BS_VCENTER) {
        case BS_TOP:
            break;
        case BS_BOTTOM:
            area.top = area.bottom - height;
            break;
        default:
            area.top += (room - height) / 2;
            break;
    }
    area.bottom = area.top + height;
    return area;
}

// Draws the caption in the text colour, or embossed (highlight one pixel down-right, grey text
// over it) when the button is disabled.
void DrawCaption(HDC dc, const std::string& text, RECT area, UINT format, bool enabled,
                 COLORREF textColor) {
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(text.size());
    if (enabled) {
        ::SetTextColor(dc, textColor);
        ::DrawTextA(dc, text.c_str(), length, &area, format);
    } else {
        RECT shifted = Shifted(area, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(dc, text.c_str(), length, &shifted, format);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, text.c_str(), length, &area, format);
    }
    ::SetBkMode(dc, oldMode);
}

void PaintPushButton(HWND button, HDC dc) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE));
    const UINT state = static_cast<UINT>(::SendMessageA(button, BM_GETSTATE, 0, 0));
    const bool pushed = (state & BST_PUSHED) != 0;
    const bool enabled = ::IsWindowEnabled(button) != FALSE;
    const RECT client = ClientRect(button);

    HBRUSH background = AskButtonColors(button, dc);
    ::FillRect(dc, &client, background);

    RECT face = client;
    if (ButtonType(style) == BS_DEFPUSHBUTTON) {
        ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_WINDOWFRAME));
        face = Deflated(face, 1);
    }
    ::DrawEdge(dc, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);

    const std::string text = ControlText(button);
    if (!text.empty()) {
        HGDIOBJ oldFont = ::SelectObject(dc, ButtonFont(button));
        const UINT format = CaptionFormat(style, DT_CENTER);
        RECT area = Deflated(client, kPushButtonTextInset);
        if (style & BS_MULTILINE) {
            area = PlaceMultilineText(dc, text, area, style, format);
        }
        if (pushed) {
            area = Shifted(area, 1, 1);
        }
        DrawCaption(dc, text, area, format, enabled, ::GetSysColor(COLOR_BTNTEXT));
        ::SelectObject(dc, oldFont);
    }
    if (state & BST_FOCUS) {
        const RECT focus = Deflated(client, kPushButtonFocusInset);
        ::DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HWND button, HDC dc) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE));
    const RECT client = ClientRect(button);
    HBRUSH background = AskButtonColors(button, dc);
    const COLORREF textColor = ::GetTextColor(dc);

    HGDIOBJ oldFont = ::SelectObject(dc, ButtonFont(button));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    const std::string text = ControlText(button);
    if (!text.empty()) {
        SIZE extent{0, 0};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int width = client.right - client.left;
        int left = kGroupBoxCaptionIndent;
        if ((style & BS_CENTER) == BS_RIGHT) {
            left = width - kGroupBoxCaptionIndent - extent.cx;
        } else if ((style & BS_CENTER) == BS_CENTER) {
            left = (width - extent.cx) / 2;
        }
        // The caption interrupts the frame's top line with one pixel of space on either side.
        RECT gap{left - 1, client.top, left + extent.cx + 1, client.top + metrics.tmHeight};
        ::FillRect(dc, &gap, background);
        RECT area{left, client.top, left + extent.cx, client.top + metrics.tmHeight};
        DrawCaption(dc, text, area, DT_LEFT | DT_SINGLELINE | DT_TOP | DT_NOCLIP,
                    ::IsWindowEnabled(button) != FALSE, textColor);
    }
    ::SelectObject(dc, oldFont);
}

// The square (or, for radio buttons, the round-cornered square) with its mark, then the caption
// beside it; the focus rectangle surrounds the caption.
void PaintCheckBox(HWND button, HDC dc) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE));
    const UINT type = ButtonType(style);
    const UINT state = static_cast<UINT>(::SendMessageA(button, BM_GETSTATE, 0, 0));
    const bool enabled = ::IsWindowEnabled(button) != FALSE;
    const RECT client = ClientRect(button);

    HBRUSH background = AskButtonColors(button, dc);
    const COLORREF textColor = ::GetTextColor(dc);
    ::FillRect(dc, &client, background);

    const bool markOnRight = (style & BS_LEFTTEXT) != 0;
    const int boxTop = (client.bottom - client.top - kCheckMarkSize) / 2;
    const int boxLeft = markOnRight ? client.right - kCheckMarkSize : client.left;
    RECT box{boxLeft, boxTop, boxLeft + kCheckMarkSize, boxTop + kCheckMarkSize};
    RECT inside = box;
    ::DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool sunkenFace = (state & BST_PUSHED) != 0 || !enabled;
    ::FillRect(dc, &inside, ::GetSysColorBrush(sunkenFace ? COLOR_BTNFACE : COLOR_WINDOW));

    const UINT check = state & (BST_CHECKED | BST_INDETERMINATE);
    if (check != BST_UNCHECKED) {
        const bool grey = check == BST_INDETERMINATE || !enabled;
        HBRUSH mark = ::GetSysColorBrush(grey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
        if (IsRadioType(type)) {
            RECT dot = Deflated(inside, 3);
            ::FillRect(dc, &dot, mark);
        } else {
            // A tick of three-pixel-tall columns: down for three columns, then up.
            for (int column = 0; column < 7; ++column) {
                const int rise = column < 3 ? column : 4 - column;
                RECT stroke{inside.left + 1 + column, inside.top + 3 + rise + 1,
                            inside.left + 2 + column, inside.top + 6 + rise + 1};
                ::FillRect(dc, &stroke, mark);
            }
        }
    }

    const std::string text = ControlText(button);
    if (text.empty()) {
        return;
    }
    HGDIOBJ oldFont = ::SelectObject(dc, ButtonFont(button));
    RECT area = client;
    if (markOnRight) {
        area.right = box.left - 4;
    } else {
        area.left = box.right + 4;
    }
    const UINT format = CaptionFormat(style, DT_LEFT);
    if (style & BS_MULTILINE) {
        area = PlaceMultilineText(dc, text, area, style, format);
    }
    DrawCaption(dc, text, area, format, enabled, textColor);
    if (state & BST_FOCUS) {
        RECT measured = area;
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                    (format & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        RECT focus{area.left - 1, (area.top + area.bottom - height) / 2 - 1,
                   area.left + (measured.right - measured.left) + 1,
                   (area.top + area.bottom - height) / 2 + height + 1};
        ::DrawFocusRect(dc, &focus);
    }
    ::SelectObject(dc, oldFont);
}

}  // namespace

HBRUSH AskButtonColors(HWND button, HDC dc) {
    const UINT type = ButtonType(static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE)));
    const bool pushType = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX ||
                          type == BS_OWNERDRAW || type == BS_USERBUTTON;
    const UINT message = pushType ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
    const auto dcParam = reinterpret_cast<WPARAM>(dc);
    const auto buttonParam = reinterpret_cast<LPARAM>(button);
    HWND parent = ::GetParent(button);
    HBRUSH brush = nullptr;
    if (parent != nullptr) {
        brush = reinterpret_cast<HBRUSH>(::SendMessageA(parent, message, dcParam, buttonParam));
    }
    if (brush == nullptr || ::GetObjectType(brush) != OBJ_BRUSH) {
        brush = reinterpret_cast<HBRUSH>(::DefWindowProcA(button, message, dcParam, buttonParam));
    }
    return brush;
}

void EraseButton(HWND button, HDC dc) {
    RECT client = ClientRect(button);
    ::FillRect(dc, &client, AskButtonColors(button, dc));
}

void PaintButton(HWND button, HDC dc) {
    if (dc == nullptr || !::IsWindow(button)) {
        return;
    }
    const int saved = ::SaveDC(dc);
    switch (ButtonType(static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE)))) {
        case BS_GROUPBOX:
            PaintGroupBox(button, dc);
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_AUTORADIOBUTTON:
            PaintCheckBox(button, dc);
            break;
        case BS_OWNERDRAW:
            EraseButton(button, dc);
            break;
        default:
            PaintPushButton(button, dc);
            break;
    }
    ::RestoreDC(dc, saved);
}

}  // namespace layer::user
