// Painter: the pixel work behind every drawing call of one DC. It takes logical coordinates, moves
// them by the DC origin and touches only pixels inside the DC's effective clip.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/gdi/device_context.h"

namespace layer::gdi {

class Painter {
  public:
    explicit Painter(const DeviceContext& dc);

    // False for a DC that has no target or nothing left to draw in.
    bool CanDraw() const { return surface_ != nullptr && !clip_.IsEmpty(); }

    // Fills a logical rectangle with one pixel value (through pixman).
    void Fill(const RECT& rect, uint32_t pixel);
    // Combines a logical rectangle with a pen colour by a binary raster operation.
    void Combine(const RECT& rect, uint32_t pen, int rop2);
    // Combines a logical rectangle with a pattern colour by a ternary raster operation that does
    // not read a source.
    void CombinePattern(const RECT& rect, uint32_t pattern, DWORD rop);

    bool IsVisible(LONG x, LONG y) const;
    // The pixel at a logical point; only valid where IsVisible.
    uint32_t PixelAt(LONG x, LONG y) const;
    // Writes or combines one logical pixel if it is visible.
    void Plot(LONG x, LONG y, uint32_t pixel);
    void PlotRop2(LONG x, LONG y, uint32_t pen, int rop2);

    // Calls visit(deviceRect) for each part of a logical rectangle that lies inside the clip.
    template <typename Visit>
    void ForEachVisiblePart(const RECT& rect, Visit visit) const {
        if (!CanDraw()) {
            return;
        }
        const RECT device = ToDevice(rect);
        if (IsRectEmpty(device)) {
            return;
        }
        for (const RECT& part : clip_.Rects()) {
            const RECT visible = IntersectRects(part, device);
            if (!IsRectEmpty(visible)) {
                visit(visible);
            }
        }
    }

    Surface& Target() const { return *surface_; }
    POINT Origin() const { return origin_; }
    const Region& Clip() const { return clip_; }
    // Logical to device coordinates, kept inside the range pixman can address.
    RECT ToDevice(const RECT& rect) const;

  private:
    Surface* surface_;
    const Region& clip_;
    POINT origin_;
};

}  // namespace layer::gdi
