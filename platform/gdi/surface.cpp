// Surface: an owned 32-bit pixel buffer with a pixman image over it.
#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace layer::gdi {

Surface::Surface(int width, int height, RowOrder order) : order_(order) {
    Allocate(std::max(width, 1), std::max(height, 1));
}

Surface::~Surface() {
    if (image_ != nullptr) {
        pixman_image_unref(image_);
    }
}

void Surface::Allocate(int width, int height) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::unique_ptr<uint32_t[]> pixels(new uint32_t[count]());
    // pixman walks the rows from the top; a bottom-up buffer starts its top row at the end.
    const bool topDown = order_ == RowOrder::TopDown;
    uint32_t* topRow = topDown ? pixels.get() : pixels.get() + (count - static_cast<size_t>(width));
    pixman_image_t* image = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, topRow,
                                                     topDown ? width * 4 : -width * 4);
    if (image == nullptr) {
        std::fprintf(stderr, "gdi: pixman refused a %d x %d surface\n", width, height);
        std::abort();
    }
    if (image_ != nullptr) {
        pixman_image_unref(image_);
    }
    width_ = width;
    height_ = height;
    pixels_ = std::move(pixels);
    image_ = image;
}

void Surface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_) {
        return;
    }
    const int oldWidth = width_;
    const int oldHeight = height_;
    std::unique_ptr<uint32_t[]> old = std::move(pixels_);
    Allocate(width, height);
    const int keepWidth = std::min(oldWidth, width);
    const int keepHeight = std::min(oldHeight, height);
    for (int y = 0; y < keepHeight; ++y) {
        const int oldRow = order_ == RowOrder::TopDown ? y : oldHeight - 1 - y;
        std::memcpy(Row(y), old.get() + static_cast<ptrdiff_t>(oldRow) * oldWidth,
                    static_cast<size_t>(keepWidth) * 4);
    }
}

uint32_t Surface::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return Row(y)[x] & 0x00FFFFFFu;
}

void Surface::SetPixelAt(int x, int y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    Row(y)[x] = pixel & 0x00FFFFFFu;
}

}  // namespace layer::gdi
