// A 32-bit pixel buffer (0x00RRGGBB per pixel, the layout of a 32-bit top-down DIB) that windows,
// bitmaps and DIB sections draw into, backed by a pixman image.
#pragma once

#include <pixman.h>

#include <cstdint>
#include <memory>

#include "platform/api/types.h"

namespace layer::gdi {

class Surface {
  public:
    // How rows lie in memory: top row first (windows, compatible bitmaps, top-down DIBs) or bottom
    // row first (bottom-up DIBs, whose callers expect the last row at the lowest address).
    enum class RowOrder { TopDown, BottomUp };

    // A surface of width x height pixels, all black. Sizes below 1 give a 1 x 1 surface.
    Surface(int width, int height, RowOrder order = RowOrder::TopDown);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    int Width() const { return width_; }
    int Height() const { return height_; }
    RowOrder Order() const { return order_; }
    // Bytes from one row to the next one below it: negative for bottom-up surfaces.
    int Stride() const { return order_ == RowOrder::TopDown ? width_ * 4 : -width_ * 4; }
    // The top row; step through the rows with Row() or Stride().
    uint32_t* Pixels() { return Row(0); }
    const uint32_t* Pixels() const { return Row(0); }
    uint32_t* Row(int y) { return pixels_.get() + RowOffset(y); }
    const uint32_t* Row(int y) const { return pixels_.get() + RowOffset(y); }
    // The buffer as it lies in memory (what a DIB section hands its caller).
    void* Bits() { return pixels_.get(); }
    pixman_image_t* Image() const { return image_; }

    // Changes the size; the pixels that still fit keep their values, new ones are black.
    void Resize(int width, int height);

    uint32_t PixelAt(int x, int y) const;  // 0 outside the surface
    void SetPixelAt(int x, int y, uint32_t pixel);

  private:
    void Allocate(int width, int height);
    ptrdiff_t RowOffset(int y) const {
        const int memoryRow = order_ == RowOrder::TopDown ? y : height_ - 1 - y;
        return static_cast<ptrdiff_t>(memoryRow) * width_;
    }

    RowOrder order_ = RowOrder::TopDown;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<uint32_t[]> pixels_;
    pixman_image_t* image_ = nullptr;
};

// COLORREF is 0x00BBGGRR; a surface pixel is 0x00RRGGBB.
inline uint32_t PixelFromColorRef(COLORREF color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
inline COLORREF ColorRefFromPixel(uint32_t pixel) {
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

}  // namespace layer::gdi
