// Non-client geometry: every size comes from the system metrics table.
#include "platform/user/nonclient_metrics.h"

#include "platform/user/frame/caption_buttons.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

bool Inside(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace

FrameSizes FrameSizesFor(DWORD style, DWORD exStyle) {
    FrameSizes sizes;
    if (style & WS_THICKFRAME) {
        sizes.frame = GetSystemMetrics(SM_CXSIZEFRAME);
    } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        sizes.frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    } else if (style & WS_BORDER) {
        sizes.frame = GetSystemMetrics(SM_CXBORDER);
    }
    if ((style & WS_CAPTION) == WS_CAPTION) {
        sizes.caption = GetSystemMetrics(SM_CYCAPTION);
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        sizes.clientEdge += GetSystemMetrics(SM_CXEDGE);
    }
    if (exStyle & WS_EX_STATICEDGE) {
        sizes.clientEdge += GetSystemMetrics(SM_CXBORDER);
    }
    return sizes;
}

RECT DefaultClientRect(const RECT& windowRect, DWORD style, DWORD exStyle) {
    FrameSizes sizes = FrameSizesFor(style, exStyle);
    int inset = sizes.frame + sizes.clientEdge;
    RECT client{windowRect.left + inset, windowRect.top + inset + sizes.caption,
                windowRect.right - inset, windowRect.bottom - inset};
    if (client.right < client.left) {
        client.right = client.left;
    }
    if (client.bottom < client.top) {
        client.bottom = client.top;
    }
    return client;
}

RECT CaptionRect(const Window& window) {
    FrameSizes sizes = FrameSizesFor(window.style, window.exStyle);
    if (sizes.caption == 0) {
        return RECT{0, 0, 0, 0};
    }
    int width = window.windowRect.right - window.windowRect.left;
    return RECT{sizes.frame, sizes.frame, width - sizes.frame, sizes.frame + sizes.caption};
}

RECT CloseBoxRect(const Window& window) {
    RECT caption = CaptionRect(window);
    if ((window.style & WS_SYSMENU) == 0 || caption.bottom == caption.top) {
        return RECT{0, 0, 0, 0};
    }
    // The close box answers over its whole cell at the caption's right end, above the line
    // under the caption.
    return RECT{caption.right - GetSystemMetrics(SM_CXSIZE), caption.top, caption.right,
                caption.bottom - 1};
}

RECT SystemMenuRect(const Window& window) {
    RECT caption = CaptionRect(window);
    if ((window.style & WS_SYSMENU) == 0 || caption.bottom == caption.top) {
        return RECT{0, 0, 0, 0};
    }
    return RECT{caption.left, caption.top, caption.left + GetSystemMetrics(SM_CXSIZE),
                caption.bottom - 1};
}

LRESULT DefaultHitTest(const Window& window, POINT screenPoint) {
    RECT outer = ScreenWindowRect(window);
    if (!Inside(outer, screenPoint)) {
        return HTNOWHERE;
    }
    POINT point{screenPoint.x - outer.left, screenPoint.y - outer.top};
    if (Inside(window.clientRect, point)) {
        return HTCLIENT;
    }
    if (Inside(CloseBoxRect(window), point)) {
        return HTCLOSE;
    }
    CaptionButtonRects buttons = CaptionButtonRectsOf(window);
    if (Inside(buttons.maximize, point)) {
        return HTMAXBUTTON;
    }
    if (Inside(buttons.minimize, point)) {
        return HTMINBUTTON;
    }
    if (Inside(SystemMenuRect(window), point)) {
        return HTSYSMENU;
    }
    RECT caption = CaptionRect(window);
    if (Inside(caption, point)) {
        // The line under the caption belongs to neither the caption nor the client area.
        return point.y == caption.bottom - 1 ? HTNOWHERE : HTCAPTION;
    }
    if (window.style & WS_THICKFRAME) {
        int frame = GetSystemMetrics(SM_CXSIZEFRAME);
        int width = outer.right - outer.left;
        int height = outer.bottom - outer.top;
        bool left = point.x < frame;
        bool right = point.x >= width - frame;
        bool top = point.y < frame;
        bool bottom = point.y >= height - frame;
        if (top) {
            return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        }
        if (bottom) {
            return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        }
        if (left) {
            return HTLEFT;
        }
        if (right) {
            return HTRIGHT;
        }
    }
    return HTBORDER;
}

}  // namespace layer::user

using namespace layer::user;

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (rect == nullptr) {
        return FALSE;
    }
    FrameSizes sizes = FrameSizesFor(style, exStyle);
    int inset = sizes.frame + sizes.clientEdge;
    rect->left -= inset;
    rect->right += inset;
    rect->top -= inset + sizes.caption + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    rect->bottom += inset;
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}
