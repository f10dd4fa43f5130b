// A memory DC drawing into a top-down 32-bit DIB section, for pixel-exact tests of the drawing
// functions, with pictures that show expected and actual pixels as letters.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace gdi_test {

// 0x00RRGGBB, the value a 32-bit DIB holds for a COLORREF.
constexpr uint32_t Pixel(COLORREF color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

class Canvas {
  public:
    Canvas(int width, int height, uint32_t background = 0xFF00FF) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        Clear(background);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t At(int x, int y) const { return bits_[y * width_ + x]; }
    void Clear(uint32_t pixel) { std::fill(bits_, bits_ + width_ * height_, pixel); }

    // One character per pixel, one line per row: the letter of the legend whose pixel matches,
    // '?' for any other pixel.
    std::string Picture(const std::map<char, uint32_t>& legend) const {
        std::string picture;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                char letter = '?';
                for (const auto& [key, pixel] : legend) {
                    if (At(x, y) == pixel) {
                        letter = key;
                        break;
                    }
                }
                picture += letter;
            }
            picture += '\n';
        }
        return picture;
    }

    // Compares every pixel against a picture drawn with the legend's letters; on a mismatch
    // the assertion shows both pictures.
    ::testing::AssertionResult Matches(const std::vector<std::string>& rows,
                                       const std::map<char, uint32_t>& legend) const {
        bool same = static_cast<int>(rows.size()) == height_;
        for (int y = 0; same && y < height_; ++y) {
            same = static_cast<int>(rows[y].size()) == width_;
            for (int x = 0; same && x < width_; ++x) {
                auto found = legend.find(rows[y][x]);
                same = found != legend.end() && found->second == At(x, y);
            }
        }
        if (same) {
            return ::testing::AssertionSuccess();
        }
        std::string expected;
        for (const std::string& row : rows) {
            expected += row + '\n';
        }
        return ::testing::AssertionFailure() << "expected:\n"
                                             << expected << "actual:\n"
                                             << Picture(legend);
    }

  private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    HDC dc_ = nullptr;
    uint32_t* bits_ = nullptr;
};

}  // namespace gdi_test
