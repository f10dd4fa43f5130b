// PNG reading and writing through libpng's simplified interface, which reports errors through
// the image structure instead of jumping out of the caller.
#include "platform/testing/png.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace layer::testing {

bool SavePng(const gdi::Surface& surface, const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const int width = surface.Width();
    const int height = surface.Height();
    std::vector<png_byte> rgb(static_cast<size_t>(width) * height * 3);
    size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = surface.PixelAt(x, y);
            rgb[at++] = static_cast<png_byte>(pixel >> 16);
            rgb[at++] = static_cast<png_byte>(pixel >> 8);
            rgb[at++] = static_cast<png_byte>(pixel);
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    const int written =
        png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr);
    png_image_free(&image);
    return written != 0;
}

std::unique_ptr<gdi::Surface> ReadPng(const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        png_image_free(&image);
        return nullptr;
    }
    image.format = PNG_FORMAT_RGB;
    // A surface is limited to what an int can count; a larger image is refused before the
    // buffer for it is made.
    constexpr png_uint_32 kLargestSide = 1u << 14;
    if (image.width == 0 || image.height == 0 || image.width > kLargestSide ||
        image.height > kLargestSide) {
        png_image_free(&image);
        return nullptr;
    }
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), width * 3, nullptr) == 0) {
        png_image_free(&image);
        return nullptr;
    }
    auto surface = std::make_unique<gdi::Surface>(width, height);
    size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t red = rgb[at++];
            const uint32_t green = rgb[at++];
            const uint32_t blue = rgb[at++];
            surface->SetPixelAt(x, y, (red << 16) | (green << 8) | blue);
        }
    }
    return surface;
}

}  // namespace layer::testing
