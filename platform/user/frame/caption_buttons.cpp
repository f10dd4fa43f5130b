// Caption buttons: geometry from the frame metrics, the classic bevel through DrawEdge and the
// glyphs drawn pixel by pixel from small patterns, so they look the same at every font setting.
#include "platform/user/frame/caption_buttons.h"

#include <array>
#include <string_view>

#include "platform/api/gdi32.h"
#include "platform/api/menu.h"
#include "platform/user/nonclient_metrics.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonInsetRight = 2;
constexpr int kButtonInsetTop = 2;
constexpr int kIconSize = 16;

// Each glyph is a pattern of rows, '#' for a drawn pixel, placed at a fixed offset inside the
// raised (not pressed) button.
struct Glyph {
    POINT offset;
    std::array<std::string_view, 9> rows;
};

constexpr Glyph kCloseGlyph{
    {4, 3},
    {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##", "", ""}};
constexpr Glyph kMaximizeGlyph{{3, 2},
                               {"#########", "#########", "#.......#", "#.......#", "#.......#",
                                "#.......#", "#.......#", "#.......#", "#########"}};
constexpr Glyph kMinimizeGlyph{{4, 9}, {"######", "######", "", "", "", "", "", "", ""}};

bool HasCaptionBox(const Window& window) {
    return (window.style & WS_SYSMENU) != 0 && (window.style & WS_CAPTION) == WS_CAPTION;
}

void DrawGlyph(HDC dc, const Glyph& glyph, POINT origin, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    for (size_t row = 0; row < glyph.rows.size(); ++row) {
        std::string_view pattern = glyph.rows[row];
        for (size_t column = 0; column < pattern.size(); ++column) {
            if (pattern[column] != '#') {
                continue;
            }
            int x = origin.x + glyph.offset.x + static_cast<int>(column);
            int y = origin.y + glyph.offset.y + static_cast<int>(row);
            RECT pixel{x, y, x + 1, y + 1};
            ::FillRect(dc, &pixel, brush);
        }
    }
    ::DeleteObject(brush);
}

const Glyph& GlyphOf(CaptionButton button) {
    switch (button) {
        case CaptionButton::Maximize:
            return kMaximizeGlyph;
        case CaptionButton::Minimize:
            return kMinimizeGlyph;
        default:
            return kCloseGlyph;
    }
}

}  // namespace

CaptionButtonRects CaptionButtonRectsOf(const Window& window) {
    CaptionButtonRects rects;
    RECT caption = CaptionRect(window);
    if (!HasCaptionBox(window) || caption.bottom == caption.top) {
        return rects;
    }
    int height = GetSystemMetrics(SM_CYCAPTION) - 5;
    int top = caption.top + kButtonInsetTop;
    int right = caption.right - kButtonInsetRight;
    rects.close = RECT{right - kButtonWidth, top, right, top + height};
    // Windows without a tool-window style show the minimise and maximise boxes together when
    // either style bit asks for them; the one not asked for is drawn disabled.
    if (window.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
        int maximizeRight = rects.close.left - kButtonInsetRight;
        rects.maximize = RECT{maximizeRight - kButtonWidth, top, maximizeRight, top + height};
        rects.minimize =
            RECT{rects.maximize.left - kButtonWidth, top, rects.maximize.left, top + height};
    }
    return rects;
}

RECT CaptionButtonRect(const Window& window, CaptionButton button) {
    CaptionButtonRects rects = CaptionButtonRectsOf(window);
    switch (button) {
        case CaptionButton::Close:
            return rects.close;
        case CaptionButton::Maximize:
            return rects.maximize;
        case CaptionButton::Minimize:
            return rects.minimize;
        default:
            return RECT{0, 0, 0, 0};
    }
}

RECT CaptionIconRect(const Window& window) {
    RECT caption = CaptionRect(window);
    if (!HasCaptionBox(window) || caption.bottom == caption.top) {
        return RECT{0, 0, 0, 0};
    }
    int top = caption.top + (caption.bottom - caption.top - 1 - kIconSize) / 2;
    return RECT{caption.left + 2, top, caption.left + 2 + kIconSize, top + kIconSize};
}

CaptionButton CaptionButtonForHit(LRESULT hit) {
    switch (hit) {
        case HTCLOSE:
            return CaptionButton::Close;
        case HTMAXBUTTON:
            return CaptionButton::Maximize;
        case HTMINBUTTON:
            return CaptionButton::Minimize;
        default:
            return CaptionButton::None;
    }
}

LRESULT HitForCaptionButton(CaptionButton button) {
    switch (button) {
        case CaptionButton::Close:
            return HTCLOSE;
        case CaptionButton::Maximize:
            return HTMAXBUTTON;
        case CaptionButton::Minimize:
            return HTMINBUTTON;
        default:
            return HTNOWHERE;
    }
}

bool CaptionButtonEnabled(HWND handle, CaptionButton button) {
    const Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return false;
    }
    switch (button) {
        case CaptionButton::Close: {
            HMENU menu = ::GetSystemMenu(handle, FALSE);
            if (menu == nullptr) {
                return true;
            }
            UINT state = ::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
            return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
        }
        case CaptionButton::Maximize:
            return (window->style & WS_MAXIMIZEBOX) != 0;
        case CaptionButton::Minimize:
            return (window->style & WS_MINIMIZEBOX) != 0;
        default:
            return false;
    }
}

void DrawCaptionButton(HDC dc, const RECT& rect, CaptionButton button, bool pressed, bool enabled) {
    if (button == CaptionButton::None || rect.right <= rect.left) {
        return;
    }
    RECT face = rect;
    ::DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    POINT origin{rect.left + (pressed ? 1 : 0), rect.top + (pressed ? 1 : 0)};
    const Glyph& glyph = GlyphOf(button);
    if (enabled) {
        DrawGlyph(dc, glyph, origin, ::GetSysColor(COLOR_BTNTEXT));
        return;
    }
    DrawGlyph(dc, glyph, POINT{origin.x + 1, origin.y + 1}, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawGlyph(dc, glyph, origin, ::GetSysColor(COLOR_BTNSHADOW));
}

PressedCaptionButton& CurrentPressedCaptionButton() {
    static PressedCaptionButton pressed;
    return pressed;
}

}  // namespace layer::user
