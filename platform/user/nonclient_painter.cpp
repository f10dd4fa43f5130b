// The classic frame: a fixed frame is three rings (light and dark-shadow outside, highlight and
// shadow inside, face), a caption is a horizontal gradient with a face-coloured bottom line.
#include "platform/user/nonclient_painter.h"

#include <algorithm>
#include <vector>

#include "platform/user/focus_activation.h"
#include "platform/user/frame/caption_painter.h"
#include "platform/user/nonclient_metrics.h"
#include "platform/user/top_level_display.h"
#include "platform/user/visible_region.h"
#include "platform/user/window.h"
#include "platform/user/window_dc.h"

namespace layer::user {

namespace {

class FramePainter {
  public:
    FramePainter(gdi::Surface& surface, gdi::Region clip, POINT offset)
        : surface_(surface), clip_(std::move(clip)), offset_(offset) {}

    // Fills a rectangle given in window coordinates. The frame's pieces are thin lines, for which
    // writing the rows directly costs far less than setting up a fill.
    void Fill(const RECT& rect, COLORREF color) {
        gdi::Region area(gdi::OffsetRectBy(rect, offset_.x, offset_.y));
        area.Intersect(clip_);
        area.Intersect(RECT{0, 0, surface_.Width(), surface_.Height()});
        const uint32_t pixel = gdi::PixelFromColorRef(color);
        for (const RECT& box : area.Rects()) {
            for (LONG y = box.top; y < box.bottom; ++y) {
                std::fill(surface_.Row(y) + box.left, surface_.Row(y) + box.right, pixel);
            }
        }
    }

    // A one-pixel ring: top and left in one colour, bottom and right in the other.
    void Ring(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
        Fill(RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
        Fill(RECT{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
        Fill(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
        Fill(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    }

    // A left-to-right gradient computed on 16-bit channels, truncating, as GradientFill does.
    // The colours of a row are worked out once and copied into every visible row.
    void HorizontalGradient(const RECT& rect, COLORREF from, COLORREF to) {
        int width = rect.right - rect.left;
        if (width <= 0) {
            return;
        }
        std::vector<uint32_t> row(static_cast<size_t>(width));
        for (int column = 0; column < width; ++column) {
            auto channel = [&](int shift) {
                int start = static_cast<int>((from >> shift) & 0xFF) << 8;
                int end = static_cast<int>((to >> shift) & 0xFF) << 8;
                return static_cast<uint32_t>((start + (end - start) * column / width) >> 8);
            };
            row[static_cast<size_t>(column)] = (channel(0) << 16) | (channel(8) << 8) | channel(16);
        }
        RECT onSurface = gdi::OffsetRectBy(rect, offset_.x, offset_.y);
        gdi::Region area(onSurface);
        area.Intersect(clip_);
        area.Intersect(RECT{0, 0, surface_.Width(), surface_.Height()});
        for (const RECT& box : area.Rects()) {
            for (LONG y = box.top; y < box.bottom; ++y) {
                std::copy(row.begin() + (box.left - onSurface.left),
                          row.begin() + (box.right - onSurface.left), surface_.Row(y) + box.left);
            }
        }
    }

  private:
    gdi::Surface& surface_;
    gdi::Region clip_;
    POINT offset_;
};

RECT Inset(const RECT& rect, int by) {
    return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

}  // namespace

void PaintNonClient(HWND handle, bool active) {
    Window* window = LookupWindow(handle);
    Window* root = RootOf(handle);
    if (window == nullptr || root == nullptr || root->surface == nullptr) {
        return;
    }
    gdi::Region clip =
        VisibleRegion(*window, DrawArea::Whole, false, (window->style & WS_CLIPSIBLINGS) != 0);
    clip.Subtract(SurfaceClientRect(*window));
    if (clip.IsEmpty()) {
        return;
    }
    RECT outer = SurfaceWindowRect(*window);
    FramePainter painter(*root->surface, clip, POINT{outer.left, outer.top});
    RECT rect{0, 0, outer.right - outer.left, outer.bottom - outer.top};

    FrameSizes sizes = FrameSizesFor(window->style, window->exStyle);
    if (sizes.frame == 1) {
        painter.Ring(rect, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    } else if (sizes.frame >= 3) {
        painter.Ring(rect, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        painter.Ring(Inset(rect, 1), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        for (int ring = 2; ring < sizes.frame; ++ring) {
            COLORREF face = GetSysColor((window->style & WS_THICKFRAME)
                                            ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER)
                                            : COLOR_BTNFACE);
            painter.Ring(Inset(rect, ring), face, face);
        }
    }
    rect = Inset(rect, sizes.frame);
    if (sizes.caption > 0) {
        RECT band{rect.left, rect.top, rect.right, rect.top + sizes.caption - 1};
        painter.HorizontalGradient(
            band, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
            GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION));
        painter.Fill(RECT{rect.left, band.bottom, rect.right, rect.top + sizes.caption},
                     GetSysColor(COLOR_BTNFACE));
        rect.top += sizes.caption;
    }
    if (window->exStyle & WS_EX_CLIENTEDGE) {
        painter.Ring(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        painter.Ring(Inset(rect, 1), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
        rect = Inset(rect, 2);
    }
    if (window->exStyle & WS_EX_STATICEDGE) {
        painter.Ring(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    if (sizes.caption > 0) {
        if (HDC dc = AcquireWindowDC(*window, true, false, false, &clip)) {
            PaintCaptionContents(handle, dc, active);
            ReleaseDC(handle, dc);
        }
    }
    TopLevelDisplay::Instance().AddDamage(root->handle, clip.Bounds());
}

}  // namespace layer::user
