// The bitmap functions of gdi32: compatible bitmaps, plain 32-bit bitmaps and DIB sections, all
// backed by 32-bit surfaces.
#include <cstdint>
#include <cstring>

#include "platform/api/kernel32.h"
#include "platform/gdi/object_table.h"

using namespace layer::gdi;

namespace {

// Larger bitmaps are refused rather than allocated: no window or off-screen picture of the
// program comes near this, and it keeps sizes far from overflow.
constexpr int kLargestSide = 16384;

bool IsAcceptedSize(int width, int height) {
    return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

HBITMAP AddBitmap(std::unique_ptr<BitmapObject> bitmap) {
    return static_cast<HBITMAP>(Objects().Add(std::move(bitmap)));
}

}  // namespace

// Every bitmap of the layer has 32 bits per pixel, whatever the DC it is made for.
HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (LookupDC(dc) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!IsAcceptedSize(width, height)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return AddBitmap(std::make_unique<BitmapObject>(width, height, Surface::RowOrder::TopDown));
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const VOID* bits) {
    if (!IsAcceptedSize(width, height) || planes != 1 || bitsPerPixel != 32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = std::make_unique<BitmapObject>(width, height, Surface::RowOrder::TopDown);
    if (bits != nullptr) {
        // The caller's rows are top-down and 4 * width bytes apart, as for any 32-bit bitmap.
        Surface& surface = *bitmap->surface;
        const auto* source = static_cast<const uint32_t*>(bits);
        for (int y = 0; y < height; ++y) {
            std::memcpy(surface.Row(y), source + static_cast<ptrdiff_t>(y) * width,
                        static_cast<size_t>(width) * 4);
        }
    }
    return AddBitmap(std::move(bitmap));
}

HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, VOID** bits,
                                HANDLE section, DWORD offset) {
    (void)offset;
    if (bits != nullptr) {
        *bits = nullptr;
    }
    if (dc != nullptr && LookupDC(dc) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (info == nullptr || usage != DIB_RGB_COLORS || section != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const LONG height = header.biHeight;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 ||
        header.biBitCount != 32 || header.biCompression != BI_RGB || height == INT32_MIN ||
        !IsAcceptedSize(header.biWidth, height < 0 ? -height : height)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // A negative height means the first row in memory is the top one; a positive height puts the
    // bottom row first.
    const auto order = height < 0 ? Surface::RowOrder::TopDown : Surface::RowOrder::BottomUp;
    auto bitmap =
        std::make_unique<BitmapObject>(header.biWidth, height < 0 ? -height : height, order);
    bitmap->dibSection = true;
    bitmap->dibHeader = header;
    bitmap->dibHeader.biSize = sizeof(BITMAPINFOHEADER);
    bitmap->dibHeader.biSizeImage =
        static_cast<DWORD>(header.biWidth) * 4u * static_cast<DWORD>(height < 0 ? -height : height);
    if (bits != nullptr) {
        *bits = bitmap->surface->Bits();
    }
    return AddBitmap(std::move(bitmap));
}
