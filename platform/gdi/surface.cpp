// Surface: an owned 32-bit pixel buffer with a pixman image over it.
#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace layer::gdi {

Surface::Surface(int width, int height) { Allocate(std::max(width, 1), std::max(height, 1)); }

Surface::~Surface() {
    if (image_ != nullptr) {
        pixman_image_unref(image_);
    }
}

void Surface::Allocate(int width, int height) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::unique_ptr<uint32_t[]> pixels(new uint32_t[count]());
    pixman_image_t* image =
        pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, pixels.get(), width * 4);
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
        std::memcpy(Row(y), old.get() + static_cast<ptrdiff_t>(y) * oldWidth,
                    static_cast<size_t>(keepWidth) * 4);
    }
}

uint32_t Surface::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return pixels_[static_cast<size_t>(y) * width_ + x] & 0x00FFFFFFu;
}

void Surface::SetPixelAt(int x, int y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    pixels_[static_cast<size_t>(y) * width_ + x] = pixel & 0x00FFFFFFu;
}

}  // namespace layer::gdi
