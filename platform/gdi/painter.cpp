// Painter: clipped fills and per-pixel raster operations on a DC's target surface.
#include "platform/gdi/painter.h"

#include <pixman.h>

#include "platform/gdi/raster_operation.h"

namespace layer::gdi {

namespace {

// Logical coordinates may be anything a LONG holds; device rectangles are clamped well inside
// the 32-bit range so that adding the origin never overflows.
constexpr int64_t kCoordinateLimit = 1 << 28;

LONG ClampCoordinate(int64_t value) {
    return static_cast<LONG>(std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

}  // namespace

Painter::Painter(const DeviceContext& dc)
    : surface_(dc.Target()), clip_(dc.EffectiveClip()), origin_(dc.Origin()) {}

RECT Painter::ToDevice(const RECT& rect) const {
    return RECT{ClampCoordinate(int64_t{rect.left} + origin_.x),
                ClampCoordinate(int64_t{rect.top} + origin_.y),
                ClampCoordinate(int64_t{rect.right} + origin_.x),
                ClampCoordinate(int64_t{rect.bottom} + origin_.y)};
}

void Painter::Fill(const RECT& rect, uint32_t pixel) {
    ForEachVisiblePart(rect, [&](const RECT& part) {
        // pixman_fill writes the exact value, so the unused top byte stays zero as in a DIB. It
        // steps from the top row by the signed stride, which walks bottom-up surfaces as well.
        pixman_fill(surface_->Row(0), surface_->Stride() / 4, 32, part.left, part.top,
                    part.right - part.left, part.bottom - part.top, pixel & kColorBits);
    });
}

void Painter::Combine(const RECT& rect, uint32_t pen, int rop2) {
    ForEachVisiblePart(rect, [&](const RECT& part) {
        for (LONG y = part.top; y < part.bottom; ++y) {
            uint32_t* row = surface_->Row(y);
            for (LONG x = part.left; x < part.right; ++x) {
                row[x] = ApplyRop2(rop2, pen, row[x]);
            }
        }
    });
}

void Painter::CombinePattern(const RECT& rect, uint32_t pattern, DWORD rop) {
    ForEachVisiblePart(rect, [&](const RECT& part) {
        for (LONG y = part.top; y < part.bottom; ++y) {
            uint32_t* row = surface_->Row(y);
            for (LONG x = part.left; x < part.right; ++x) {
                row[x] = ApplyRop3(rop, pattern, 0, row[x]);
            }
        }
    });
}

bool Painter::IsVisible(LONG x, LONG y) const {
    if (surface_ == nullptr) {
        return false;
    }
    const int64_t deviceX = int64_t{x} + origin_.x;
    const int64_t deviceY = int64_t{y} + origin_.y;
    if (deviceX < 0 || deviceY < 0 || deviceX >= surface_->Width() ||
        deviceY >= surface_->Height()) {
        return false;
    }
    return clip_.Contains(static_cast<LONG>(deviceX), static_cast<LONG>(deviceY));
}

uint32_t Painter::PixelAt(LONG x, LONG y) const {
    return surface_->PixelAt(x + origin_.x, y + origin_.y);
}

void Painter::Plot(LONG x, LONG y, uint32_t pixel) {
    if (IsVisible(x, y)) {
        surface_->SetPixelAt(x + origin_.x, y + origin_.y, pixel);
    }
}

void Painter::PlotRop2(LONG x, LONG y, uint32_t pen, int rop2) {
    if (IsVisible(x, y)) {
        const LONG deviceX = x + origin_.x;
        const LONG deviceY = y + origin_.y;
        surface_->SetPixelAt(deviceX, deviceY,
                             ApplyRop2(rop2, pen, surface_->PixelAt(deviceX, deviceY)));
    }
}

}  // namespace layer::gdi
