// Drawing icons into a DC: transparency composited over what is there, the DC's clip respected,
// the default and stretched sizes, the mask-only and image-only flags, and bad calls refused.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/user/icons/icon_table.h"
#include "platform/win32.h"

using layer::user::IconImage;
using layer::user::IconTable;

namespace {

constexpr int kCanvas = 64;
constexpr uint32_t kBackground = 0x00404040;

// A DIB section of 64 x 64 pixels filled with grey, selected into a memory DC.
class DrawIconTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kCanvas;
        info.bmiHeader.biHeight = -kCanvas;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(nullptr, bitmap_);
        pixels_ = static_cast<uint32_t*>(bits);
        std::fill(pixels_, pixels_ + kCanvas * kCanvas, kBackground);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
    }
    void TearDown() override {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
        for (HICON icon : icons_) {
            DestroyIcon(icon);
        }
    }

    // An icon of 4 x 4: opaque red left half, half-transparent blue top right, clear bottom right.
    HICON SmallIcon() {
        IconImage image{4, 4, {}};
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                image.argb.push_back(x < 2 ? 0xFFFF0000 : y < 2 ? 0x800000FF : 0x00000000);
            }
        }
        icons_.push_back(IconTable::Instance().Add(image, false));
        return icons_.back();
    }

    uint32_t At(int x, int y) const { return pixels_[y * kCanvas + x] & 0xFFFFFF; }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* pixels_ = nullptr;
    std::vector<HICON> icons_;
};

TEST_F(DrawIconTest, CompositesWithTheIconsTransparency) {
    ASSERT_TRUE(DrawIconEx(dc_, 10, 20, SmallIcon(), 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(0xFF0000u, At(10, 20));
    EXPECT_EQ(0xFF0000u, At(11, 23));
    // 0x80 of blue over 0x40 grey: (255 * 128 + 64 * 127) / 255 rounded, and 64 * 127 / 255.
    EXPECT_EQ(0x2020A0u, At(12, 20));
    EXPECT_EQ(kBackground, At(13, 23)) << "transparent pixels leave the canvas";
    EXPECT_EQ(kBackground, At(14, 20)) << "nothing right of the icon";
    EXPECT_EQ(kBackground, At(9, 20)) << "nothing left of the icon";
}

TEST_F(DrawIconTest, StretchesToTheGivenOrTheDefaultSize) {
    ASSERT_TRUE(DrawIconEx(dc_, 0, 0, SmallIcon(), 8, 8, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(0xFF0000u, At(3, 7));
    EXPECT_EQ(kBackground, At(7, 7));
    EXPECT_EQ(kBackground, At(8, 0));

    ASSERT_TRUE(DrawIcon(dc_, 30, 30, SmallIcon()));
    const int size = GetSystemMetrics(SM_CXICON);
    EXPECT_EQ(0xFF0000u, At(30, 30 + size - 1)) << "DrawIcon draws at the system icon size";
    EXPECT_EQ(kBackground, At(30, 30 + size));
}

TEST_F(DrawIconTest, StaysInsideTheClip) {
    IntersectClipRect(dc_, 0, 0, 11, 64);
    ASSERT_TRUE(DrawIconEx(dc_, 10, 10, SmallIcon(), 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(0xFF0000u, At(10, 10));
    EXPECT_EQ(kBackground, At(11, 10));
    // Partly off the canvas: what is on it is drawn, nothing else is touched.
    ASSERT_TRUE(DrawIconEx(dc_, -2, -2, SmallIcon(), 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(kBackground, At(0, 0)) << "(0, 0) is the icon's blue pixel (2, 2)... clear here";
    ASSERT_TRUE(DrawIconEx(dc_, 2000000000, 2000000000, SmallIcon(), 0, 0, 0, nullptr, DI_NORMAL));
}

TEST_F(DrawIconTest, MaskOnlyImageOnlyAndTheBackgroundBrush) {
    ASSERT_TRUE(DrawIconEx(dc_, 0, 0, SmallIcon(), 0, 0, 0, nullptr, DI_MASK));
    EXPECT_EQ(0u, At(0, 0)) << "opaque pixels are black in the mask";
    EXPECT_EQ(kBackground, At(3, 3));
    ASSERT_TRUE(DrawIconEx(dc_, 10, 0, SmallIcon(), 0, 0, 0, nullptr, DI_IMAGE));
    EXPECT_EQ(0xFF0000u, At(10, 0));
    EXPECT_EQ(0u, At(13, 3)) << "the image alone is opaque";
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    ASSERT_TRUE(DrawIconEx(dc_, 20, 0, SmallIcon(), 0, 0, 0, white, DI_NORMAL));
    EXPECT_EQ(0xFFFFFFu, At(23, 3)) << "the brush fills behind the icon";
    EXPECT_EQ(0xFF0000u, At(20, 0));
}

TEST_F(DrawIconTest, BadCallsAreRefused) {
    HICON icon = SmallIcon();
    SetLastError(0);
    EXPECT_FALSE(DrawIconEx(reinterpret_cast<HDC>(0x999), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    HICON destroyed = SmallIcon();
    DestroyIcon(destroyed);
    SetLastError(0);
    EXPECT_FALSE(DrawIcon(dc_, 0, 0, destroyed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_CURSOR_HANDLE), GetLastError());
    EXPECT_FALSE(DrawIconEx(dc_, 0, 0, icon, 0, 0, 0, nullptr, 0));
    EXPECT_FALSE(DrawIconEx(dc_, 0, 0, icon, -4, 4, 0, nullptr, DI_NORMAL));
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            ASSERT_EQ(kBackground, At(x, y)) << "at " << x << ", " << y;
        }
    }
}

}  // namespace
