// BitBlt and StretchBlt between memory DCs and within one surface.
#include <gtest/gtest.h>

#include "canvas.h"
#include "platform/win32.h"

namespace {

using gdi_test::Canvas;

// Fills a canvas with a pattern that tells every pixel apart.
void Number(Canvas& canvas) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            SetPixelV(canvas.Dc(), x, y, RGB(x * 16, y * 16, 0x80));
        }
    }
}

uint32_t Numbered(int x, int y) {
    return (static_cast<uint32_t>(x * 16) << 16) | (y * 16 << 8) | 0x80;
}

TEST(BitBlt, CopiesThroughAMemoryDC) {
    Canvas source(6, 6);
    Number(source);
    // Paint off-screen into a compatible bitmap, then copy it once, as the look does.
    HDC memory = CreateCompatibleDC(source.Dc());
    HBITMAP offscreen = CreateCompatibleBitmap(source.Dc(), 4, 3);
    HGDIOBJ previous = SelectObject(memory, offscreen);
    ASSERT_TRUE(BitBlt(memory, 0, 0, 4, 3, source.Dc(), 1, 2, SRCCOPY));
    Canvas target(8, 8, 0x000000);
    ASSERT_TRUE(BitBlt(target.Dc(), 3, 4, 4, 3, memory, 0, 0, SRCCOPY));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool copied = x >= 3 && x < 7 && y >= 4 && y < 7;
            const uint32_t expected = copied ? Numbered(x - 3 + 1, y - 4 + 2) : 0;
            EXPECT_EQ(target.At(x, y), expected) << "pixel " << x << "," << y;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(offscreen);
    DeleteDC(memory);
}

TEST(BitBlt, OverlappingAreasOfOneSurfaceCopyAsIfAtOnce) {
    const struct {
        int dx;
        int dy;
    } shifts[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 2}, {-2, -1}};
    for (const auto& shift : shifts) {
        Canvas canvas(8, 8);
        Number(canvas);
        ASSERT_TRUE(
            BitBlt(canvas.Dc(), 2 + shift.dx, 2 + shift.dy, 4, 4, canvas.Dc(), 2, 2, SRCCOPY));
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(canvas.At(2 + shift.dx + x, 2 + shift.dy + y), Numbered(2 + x, 2 + y))
                    << "shift " << shift.dx << "," << shift.dy << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(BitBlt, RasterOperations) {
    const uint32_t source = 0x0F0F33;
    const uint32_t destination = 0x00FF55;
    const uint32_t brush = 0x123456;
    const struct {
        DWORD rop;
        uint32_t expected;
    } cases[] = {
        {SRCCOPY, source},
        {SRCPAINT, source | destination},
        {SRCAND, source & destination},
        {SRCINVERT, source ^ destination},
        {NOTSRCCOPY, ~source & 0xFFFFFF},
        {PATCOPY, brush},
        {PATINVERT, brush ^ destination},
        {DSTINVERT, ~destination & 0xFFFFFF},
        {BLACKNESS, 0x000000},
        {WHITENESS, 0xFFFFFF},
    };
    HBRUSH pattern = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    for (const auto& c : cases) {
        Canvas from(2, 2, source);
        Canvas to(2, 2, destination);
        SelectObject(to.Dc(), pattern);
        EXPECT_TRUE(BitBlt(to.Dc(), 0, 0, 1, 2, from.Dc(), 0, 0, c.rop)) << std::hex << c.rop;
        EXPECT_EQ(to.At(0, 1), c.expected) << std::hex << "rop " << c.rop;
        EXPECT_EQ(to.At(1, 1), destination) << std::hex << "rop " << c.rop;
        SelectObject(to.Dc(), GetStockObject(WHITE_BRUSH));
    }
    DeleteObject(pattern);
}

TEST(BitBlt, ClipsToTheDestinationAndStaysInsideTheSource) {
    Canvas source(4, 4);
    Number(source);
    Canvas target(6, 6, 0x000000);
    ExcludeClipRect(target.Dc(), 0, 0, 6, 1);
    // The source rectangle starts outside the source surface: only the part inside is copied.
    ASSERT_TRUE(BitBlt(target.Dc(), 0, 0, 6, 6, source.Dc(), -1, 0, SRCCOPY));
    EXPECT_EQ(target.At(1, 0), 0u);
    EXPECT_EQ(target.At(0, 1), 0u);
    EXPECT_EQ(target.At(1, 1), Numbered(0, 1));
    EXPECT_EQ(target.At(4, 3), Numbered(3, 3));
    EXPECT_EQ(target.At(5, 3), 0u);
    EXPECT_EQ(target.At(1, 4), 0u);
    // A DC with a clip origin in the middle of nowhere draws nothing and does not crash.
    EXPECT_TRUE(BitBlt(target.Dc(), 2000000000, 2000000000, 5, 5, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(target.Dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(StretchBlt, ScalesBySampling) {
    Canvas source(2, 2);
    Number(source);
    Canvas target(4, 4, 0x000000);
    ASSERT_TRUE(StretchBlt(target.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 2, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(target.At(x, y), Numbered(x / 2, y / 2)) << "pixel " << x << "," << y;
        }
    }
}

}  // namespace
