// BitBlt and StretchBlt: copying and combining pixels between DCs (or within one), clipped to
// the destination DC.
#include <pixman.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/api/kernel32.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/painter.h"
#include "platform/gdi/raster_operation.h"
#include "platform/gdi/stock_objects.h"

using namespace layer::gdi;

namespace {

// A copy of the source pixels a blit reads, taken before the destination changes, so that
// overlapping source and destination areas in one surface come out as if copied at once.
struct SourceCopy {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::vector<bool> present;  // false where the source rectangle leaves its surface

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Has(int x, int y) const { return present[static_cast<size_t>(y) * width + x]; }
};

// Reads width x height source pixels starting at a logical point of the source DC; with a
// scale, destination pixel (x, y) reads source pixel (x * sourceWidth / width, ...).
SourceCopy CopySource(const DeviceContext& source, int sourceX, int sourceY, int sourceWidth,
                      int sourceHeight, int width, int height) {
    SourceCopy copy;
    copy.width = width;
    copy.height = height;
    copy.pixels.assign(static_cast<size_t>(width) * height, 0);
    copy.present.assign(static_cast<size_t>(width) * height, false);
    const Surface* surface = source.Target();
    const POINT origin = source.Origin();
    for (int y = 0; y < height; ++y) {
        const int64_t fromY = int64_t{sourceY} + origin.y + int64_t{y} * sourceHeight / height;
        if (fromY < 0 || fromY >= surface->Height()) {
            continue;
        }
        const uint32_t* row = surface->Row(static_cast<int>(fromY));
        for (int x = 0; x < width; ++x) {
            const int64_t fromX = int64_t{sourceX} + origin.x + int64_t{x} * sourceWidth / width;
            if (fromX < 0 || fromX >= surface->Width()) {
                continue;
            }
            copy.pixels[static_cast<size_t>(y) * width + x] = row[fromX] & kColorBits;
            copy.present[static_cast<size_t>(y) * width + x] = true;
        }
    }
    return copy;
}

// SRCCOPY without scaling, through pixman: the source part goes to a scratch image first, so
// that overlapping areas of one surface copy as if at once, then into each visible part.
void CopyThroughPixman(Painter& painter, const DeviceContext& from, int x, int y, int sourceX,
                       int sourceY, const RECT& wanted) {
    // Destination device point (dx, dy) reads source device point (dx + shiftX, dy + shiftY).
    const int64_t shiftX = int64_t{sourceX} + from.Origin().x - (int64_t{x} + painter.Origin().x);
    const int64_t shiftY = int64_t{sourceY} + from.Origin().y - (int64_t{y} + painter.Origin().y);
    const Surface& source = *from.Target();
    const RECT readable{
        static_cast<LONG>(std::clamp<int64_t>(-shiftX, INT32_MIN / 2, INT32_MAX / 2)),
        static_cast<LONG>(std::clamp<int64_t>(-shiftY, INT32_MIN / 2, INT32_MAX / 2)),
        static_cast<LONG>(
            std::clamp<int64_t>(source.Width() - shiftX, INT32_MIN / 2, INT32_MAX / 2)),
        static_cast<LONG>(
            std::clamp<int64_t>(source.Height() - shiftY, INT32_MIN / 2, INT32_MAX / 2))};
    const RECT area = IntersectRects(wanted, readable);
    if (IsRectEmpty(area)) {
        return;
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    pixman_image_t* scratch = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, nullptr, 0);
    if (scratch == nullptr) {
        return;
    }
    pixman_image_composite32(PIXMAN_OP_SRC, source.Image(), nullptr, scratch,
                             static_cast<int32_t>(area.left + shiftX),
                             static_cast<int32_t>(area.top + shiftY), 0, 0, 0, 0, width, height);
    for (const RECT& part : painter.Clip().Rects()) {
        const RECT visible = IntersectRects(part, area);
        if (!IsRectEmpty(visible)) {
            pixman_image_composite32(PIXMAN_OP_SRC, scratch, nullptr, painter.Target().Image(),
                                     visible.left - area.left, visible.top - area.top, 0, 0,
                                     visible.left, visible.top, visible.right - visible.left,
                                     visible.bottom - visible.top);
        }
    }
    pixman_image_unref(scratch);
}

BOOL Blit(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
          int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    DeviceContext* target = LookupDC(destination);
    if (target == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!Rop3UsesSource(rop)) {
        return PatBlt(destination, x, y, width, height, rop);
    }
    DeviceContext* from = LookupDC(source);
    if (from == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // Mirroring blits (negative extents) are not part of the layer.
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Painter painter(*target);
    if (width == 0 || height == 0 || !painter.CanDraw() || from->Target() == nullptr) {
        return TRUE;
    }
    // Only the part of the destination inside the clip is read from the source.
    const RECT wanted = IntersectRects(painter.ToDevice(RECT{x, y, x + width, y + height}),
                                       painter.Clip().Bounds());
    if (IsRectEmpty(wanted)) {
        return TRUE;
    }
    if (rop == SRCCOPY && sourceWidth == width && sourceHeight == height) {
        CopyThroughPixman(painter, *from, x, y, sourceX, sourceY, wanted);
        return TRUE;
    }
    const int offsetX = wanted.left - (x + painter.Origin().x);
    const int offsetY = wanted.top - (y + painter.Origin().y);
    const int partWidth = wanted.right - wanted.left;
    const int partHeight = wanted.bottom - wanted.top;
    // The copy starts at the source pixel that matches the first destination pixel drawn.
    const int64_t scaledX = int64_t{offsetX} * sourceWidth / width;
    const int64_t scaledY = int64_t{offsetY} * sourceHeight / height;
    const SourceCopy copy =
        sourceWidth == width && sourceHeight == height
            ? CopySource(*from, sourceX + offsetX, sourceY + offsetY, partWidth, partHeight,
                         partWidth, partHeight)
            : CopySource(*from, static_cast<int>(sourceX + scaledX),
                         static_cast<int>(sourceY + scaledY),
                         static_cast<int>(int64_t{partWidth} * sourceWidth / width),
                         static_cast<int>(int64_t{partHeight} * sourceHeight / height), partWidth,
                         partHeight);

    uint32_t pattern = 0;
    if (Rop3UsesPattern(rop)) {
        const BrushObject* brush = ResolveBrush(target->State().brush);
        if (brush == nullptr || brush->brush.lbStyle == BS_NULL) {
            return TRUE;
        }
        pattern = PixelFromColorRef(brush->brush.lbColor);
    }
    Surface& surface = painter.Target();
    for (const RECT& part : painter.Clip().Rects()) {
        const RECT visible = IntersectRects(part, wanted);
        if (IsRectEmpty(visible)) {
            continue;
        }
        for (LONG row = visible.top; row < visible.bottom; ++row) {
            uint32_t* pixels = surface.Row(row);
            const int copyY = row - wanted.top;
            for (LONG column = visible.left; column < visible.right; ++column) {
                const int copyX = column - wanted.left;
                if (!copy.Has(copyX, copyY)) {
                    continue;
                }
                pixels[column] = rop == SRCCOPY ? copy.At(copyX, copyY)
                                                : ApplyRop3(rop, pattern, copy.At(copyX, copyY),
                                                            pixels[column] & kColorBits);
            }
        }
    }
    return TRUE;
}

}  // namespace

BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop) {
    return Blit(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL WINAPI StretchBlt(HDC destination, int x, int y, int width, int height, HDC source,
                       int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    return Blit(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                sourceHeight, rop);
}
