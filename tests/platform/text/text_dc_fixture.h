// A memory DC over a white bitmap for text tests, with helpers that read back where ink landed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

class TextDCTest : public ::testing::Test {
  protected:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    void SetUp() override { Open(400, 300); }
    void TearDown() override { Close(); }

    void Open(int width, int height) {
        dc_ = ::CreateCompatibleDC(nullptr);
        ASSERT_NE(dc_, nullptr);
        bitmap_ = ::CreateCompatibleBitmap(dc_, width, height);
        ASSERT_NE(bitmap_, nullptr);
        previousBitmap_ = ::SelectObject(dc_, bitmap_);
        Clear(kWhite);
    }

    void Close() {
        if (font_ != nullptr) {
            ::SelectObject(dc_, previousFont_);
            ::DeleteObject(font_);
            font_ = nullptr;
        }
        ::SelectObject(dc_, previousBitmap_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }

    // Selects a new font of the program's kind (empty face, GB2312), deleting the previous one.
    void UseFont(int height, int weight) {
        HFONT font = ::CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, 134, 0, 0, 2, 0, "");
        ASSERT_NE(font, nullptr);
        HGDIOBJ previous = ::SelectObject(dc_, font);
        if (font_ != nullptr) {
            ::DeleteObject(font_);
        } else {
            previousFont_ = previous;
        }
        font_ = font;
    }

    layer::gdi::Surface& Target() { return *layer::gdi::LookupDC(dc_)->Target(); }

    void Clear(COLORREF color) {
        auto& surface = Target();
        const uint32_t pixel = layer::gdi::PixelFromColorRef(color);
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                surface.SetPixelAt(x, y, pixel);
            }
        }
    }

    COLORREF Pixel(int x, int y) { return layer::gdi::ColorRefFromPixel(Target().PixelAt(x, y)); }

    // The box of every pixel that differs from `background` (right and bottom exclusive);
    // all zero when nothing was drawn.
    RECT Ink(COLORREF background = kWhite) {
        auto& surface = Target();
        const uint32_t pixel = layer::gdi::PixelFromColorRef(background);
        RECT box{surface.Width(), surface.Height(), 0, 0};
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                if (surface.PixelAt(x, y) != pixel) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
            }
        }
        return box.right > box.left ? box : RECT{0, 0, 0, 0};
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
};

inline std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
               << "}";
}
