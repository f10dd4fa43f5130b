// DrawIconEx and DrawIcon: icons composited onto a DC with their transparency, inside the DC's
// clip.
#include <cstdint>

#include "platform/api/gdi32.h"
#include "platform/api/kernel32.h"
#include "platform/api/resources.h"
#include "platform/api/user32.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/painter.h"
#include "platform/user/icons/icon_file.h"
#include "platform/user/icons/icon_table.h"

using namespace layer::user;

namespace {

// Drawing far outside the 32-bit range can touch no surface; such positions draw nothing.
constexpr int64_t kPositionLimit = int64_t{1} << 28;
constexpr int kLargestDrawnSide = 4096;

uint32_t Blend(uint32_t source, uint32_t destination) {
    const uint32_t alpha = source >> 24;
    if (alpha == 0xFF) {
        return source & 0xFFFFFF;
    }
    auto channel = [&](int shift) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (destination >> shift) & 0xFF;
        return ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// What one icon pixel does to the surface pixel under it, by the DI_ flags.
uint32_t Apply(uint32_t source, uint32_t destination, UINT flags) {
    switch (flags & DI_NORMAL) {
        case DI_NORMAL:
            return Blend(source, destination);
        case DI_IMAGE:
            // The colour image alone, opaque; transparent pixels hold black.
            return source & 0xFFFFFF;
        default:
            // The mask alone: black where the icon is opaque, the surface elsewhere.
            return (source >> 24) >= 0x80 ? 0 : destination;
    }
}

}  // namespace

BOOL WINAPI DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT,
                       HBRUSH flickerFreeBrush, UINT flags) {
    layer::gdi::DeviceContext* context = layer::gdi::LookupDC(dc);
    if (context == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const IconImage* image = FindIconOrFail(icon);
    if (image == nullptr) {
        return FALSE;
    }
    if ((flags & DI_NORMAL) == 0 || width < 0 || height < 0 || width > kLargestDrawnSide ||
        height > kLargestDrawnSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool defaultSize = (flags & DI_DEFAULTSIZE) != 0;
    if (width == 0) {
        width = defaultSize ? GetSystemMetrics(SM_CXICON) : image->width;
    }
    if (height == 0) {
        height = defaultSize ? GetSystemMetrics(SM_CYICON) : image->height;
    }
    if (x < -kPositionLimit || x > kPositionLimit || y < -kPositionLimit || y > kPositionLimit) {
        return TRUE;
    }
    const RECT area{x, y, x + width, y + height};
    if (flickerFreeBrush != nullptr) {
        FillRect(dc, &area, flickerFreeBrush);
    }
    const IconImage sized = ResampleIcon(*image, width, height);
    layer::gdi::Painter painter(*context);
    const POINT origin = painter.Origin();
    painter.ForEachVisiblePart(area, [&](const RECT& part) {
        layer::gdi::Surface& surface = painter.Target();
        for (LONG deviceY = part.top; deviceY < part.bottom; ++deviceY) {
            uint32_t* row = surface.Row(deviceY);
            const int iconY = deviceY - origin.y - y;
            for (LONG deviceX = part.left; deviceX < part.right; ++deviceX) {
                const uint32_t source = sized.At(deviceX - origin.x - x, iconY);
                row[deviceX] = Apply(source, row[deviceX], flags);
            }
        }
    });
    return TRUE;
}

BOOL WINAPI DrawIcon(HDC dc, int x, int y, HICON icon) {
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_COMPAT | DI_DEFAULTSIZE);
}
