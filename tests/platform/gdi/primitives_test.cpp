// Pixel-exact primitives: FillRect, FrameRect, PatBlt, Rectangle, pixels and lines, with the
// pixels a real implementation drew for the same calls.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "canvas.h"
#include "platform/win32.h"

namespace {

using gdi_test::Canvas;
using gdi_test::Pixel;

const std::map<char, uint32_t> kBlackOnMagenta = {
    {'.', 0xFF00FF}, {'#', 0x000000}, {'W', 0xFFFFFF}};

HBRUSH Stock(int index) {
    return static_cast<HBRUSH>(GetStockObject(index));
}

TEST(FillRect, FillsLeftAndTopButNotRightAndBottom) {
    Canvas canvas(6, 5);
    RECT rect{1, 1, 5, 4};
    EXPECT_EQ(FillRect(canvas.Dc(), &rect, Stock(BLACK_BRUSH)), 1);
    EXPECT_TRUE(
        canvas.Matches({"......", ".####.", ".####.", ".####.", "......"}, kBlackOnMagenta));
}

// An inverted rectangle is a negative extent from its left-top corner, which is filled too
// (measured).
TEST(FillRect, InvertedRectanglesReachBackFromTheirFirstCorner) {
    Canvas canvas(7, 6);
    RECT rect{5, 4, 1, 1};
    EXPECT_EQ(FillRect(canvas.Dc(), &rect, Stock(BLACK_BRUSH)), 1);
    EXPECT_TRUE(canvas.Matches({".......", ".......", "..####.", "..####.", "..####.", "......."},
                               kBlackOnMagenta));
    canvas.Clear(0xFF00FF);
    EXPECT_TRUE(PatBlt(canvas.Dc(), 5, 4, -4, -3, BLACKNESS));
    EXPECT_TRUE(canvas.Matches({".......", ".......", "..####.", "..####.", "..####.", "......."},
                               kBlackOnMagenta));
}

TEST(FillRect, TakesSystemColorNumbersAndTheNullBrush) {
    Canvas canvas(3, 1);
    RECT rect{0, 0, 2, 1};
    EXPECT_EQ(FillRect(canvas.Dc(), &rect, reinterpret_cast<HBRUSH>(COLOR_3DDKSHADOW + 1)), 1);
    EXPECT_EQ(canvas.At(0, 0), Pixel(GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(canvas.At(0, 0), 0x404040u);
    EXPECT_EQ(FillRect(canvas.Dc(), &rect, Stock(NULL_BRUSH)), 1);
    EXPECT_EQ(canvas.At(0, 0), 0x404040u);
    EXPECT_EQ(canvas.At(2, 0), 0xFF00FFu);
}

TEST(FrameRect, DrawsAOnePixelFrameInsideTheRectangle) {
    const struct {
        RECT rect;
        int result;
        std::vector<std::string> expected;
    } cases[] = {
        {{1, 1, 5, 4}, 1, {"......", ".####.", ".#..#.", ".####.", "......"}},
        {{1, 1, 2, 4}, 1, {"......", ".#....", ".#....", ".#....", "......"}},
        // An inverted rectangle has no frame and the call fails (measured).
        {{5, 4, 1, 1}, 0, {"......", "......", "......", "......", "......"}},
    };
    for (const auto& c : cases) {
        Canvas canvas(6, 5);
        EXPECT_EQ(FrameRect(canvas.Dc(), &c.rect, Stock(BLACK_BRUSH)), c.result);
        EXPECT_TRUE(canvas.Matches(c.expected, kBlackOnMagenta));
    }
}

TEST(PatBlt, RasterOperations) {
    const struct {
        DWORD rop;
        uint32_t expected;
    } cases[] = {
        {PATCOPY, 0x0000FF},
        {PATINVERT, 0x123456 ^ 0x0000FF},
        {DSTINVERT, 0x123456 ^ 0xFFFFFF},
        {BLACKNESS, 0x000000},
        {WHITENESS, 0xFFFFFF},
    };
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    for (const auto& c : cases) {
        Canvas canvas(4, 2, 0x123456);
        SelectObject(canvas.Dc(), blue);
        EXPECT_TRUE(PatBlt(canvas.Dc(), 1, 0, 2, 1, c.rop));
        EXPECT_EQ(canvas.At(1, 0), c.expected) << std::hex << "rop " << c.rop;
        EXPECT_EQ(canvas.At(2, 0), c.expected) << std::hex << "rop " << c.rop;
        EXPECT_EQ(canvas.At(3, 0), 0x123456u) << std::hex << "rop " << c.rop;
        EXPECT_EQ(canvas.At(1, 1), 0x123456u) << std::hex << "rop " << c.rop;
        SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
    }
    DeleteObject(blue);
    Canvas canvas(2, 2);
    EXPECT_FALSE(PatBlt(canvas.Dc(), 0, 0, 1, 1, SRCCOPY));
}

// As measured: the pen draws the outline on the rectangle's edge pixels, the brush fills inside
// it; with the null pen the fill is one pixel smaller on the right and bottom.
TEST(Rectangle, PenOutlineAndBrushFill) {
    Canvas canvas(6, 5);
    SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
    SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(Rectangle(canvas.Dc(), 1, 1, 5, 4));
    EXPECT_TRUE(
        canvas.Matches({"......", ".####.", ".#WW#.", ".####.", "......"}, kBlackOnMagenta));
    canvas.Clear(0xFF00FF);
    SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
    EXPECT_TRUE(Rectangle(canvas.Dc(), 1, 1, 5, 4));
    EXPECT_TRUE(
        canvas.Matches({"......", ".WWW..", ".WWW..", "......", "......"}, kBlackOnMagenta));
    canvas.Clear(0xFF00FF);
    SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
    SelectObject(canvas.Dc(), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(canvas.Dc(), 1, 1, 5, 4));
    EXPECT_TRUE(
        canvas.Matches({"......", ".####.", ".#..#.", ".####.", "......"}, kBlackOnMagenta));
}

TEST(Pixels, SetPixelAndGetPixel) {
    Canvas canvas(4, 4, 0x000000);
    HDC dc = canvas.Dc();
    EXPECT_EQ(SetPixel(dc, 1, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(1, 2), 0x0A141Eu);
    EXPECT_EQ(GetPixel(dc, 1, 2), RGB(10, 20, 30));
    EXPECT_TRUE(SetPixelV(dc, 3, 3, RGB(1, 2, 3)));
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(1, 2, 3));
    // Outside the surface there is no pixel to read or write.
    for (const POINT p : {POINT{-1, 0}, POINT{4, 0}, POINT{0, 4}, POINT{0, -1}}) {
        EXPECT_EQ(GetPixel(dc, p.x, p.y), CLR_INVALID) << p.x << "," << p.y;
        EXPECT_EQ(SetPixel(dc, p.x, p.y, 0), CLR_INVALID) << p.x << "," << p.y;
        EXPECT_FALSE(SetPixelV(dc, p.x, p.y, 0)) << p.x << "," << p.y;
    }
    // Nor outside the clip.
    IntersectClipRect(dc, 0, 0, 2, 2);
    EXPECT_EQ(GetPixel(dc, 3, 3), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 3, 3, RGB(9, 9, 9)), CLR_INVALID);
    EXPECT_EQ(canvas.At(3, 3), 0x010203u);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 0));
}

// The pixels LineTo drew under the reference implementation: the nearest pixel to the true line
// along its longer axis, a tie going to the smaller coordinate, and the end point left out.
TEST(LineTo, DrawsTheMeasuredPixelsWithoutTheEndPoint) {
    using Points = std::set<std::pair<int, int>>;
    const struct {
        POINT from;
        POINT to;
        Points pixels;
    } cases[] = {
        {{1, 1}, {8, 4}, {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {6, 3}, {7, 4}}},
        {{8, 4}, {1, 1}, {{8, 4}, {7, 4}, {6, 3}, {5, 3}, {4, 2}, {3, 2}, {2, 1}}},
        {{1, 1}, {1, 6}, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}},
        {{1, 1}, {4, 1}, {{1, 1}, {2, 1}, {3, 1}}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
        {{1, 1}, {5, 3}, {{1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {{5, 3}, {1, 1}, {{5, 3}, {4, 2}, {3, 2}, {2, 1}}},
        {{5, 1}, {1, 3}, {{5, 1}, {4, 1}, {3, 2}, {2, 2}}},
        {{1, 3}, {5, 1}, {{1, 3}, {2, 2}, {3, 2}, {4, 1}}},
        {{1, 1}, {3, 5}, {{1, 1}, {1, 2}, {2, 3}, {2, 4}}},
        {{3, 5}, {1, 1}, {{3, 5}, {2, 4}, {2, 3}, {1, 2}}},
        {{3, 1}, {1, 5}, {{3, 1}, {2, 2}, {2, 3}, {1, 4}}},
        {{1, 5}, {3, 1}, {{1, 5}, {1, 4}, {2, 3}, {2, 2}}},
        {{1, 1}, {9, 3}, {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 3}}},
        {{1, 3}, {9, 1}, {{1, 3}, {2, 3}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 1}, {8, 1}}},
        {{1, 1}, {3, 8}, {{1, 1}, {1, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {3, 7}}},
        {{0, 0}, {6, 4}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 3}}},
        {{2, 2}, {2, 2}, {}},
    };
    for (const auto& c : cases) {
        Canvas canvas(10, 10, 0xFFFFFF);
        MoveToEx(canvas.Dc(), c.from.x, c.from.y, nullptr);
        EXPECT_TRUE(LineTo(canvas.Dc(), c.to.x, c.to.y));
        Points drawn;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                if (canvas.At(x, y) != 0xFFFFFF) {
                    drawn.insert({x, y});
                }
            }
        }
        EXPECT_EQ(drawn, c.pixels)
            << "line " << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
        POINT position{};
        GetCurrentPositionEx(canvas.Dc(), &position);
        EXPECT_EQ(position.x, c.to.x);
        EXPECT_EQ(position.y, c.to.y);
    }
}

TEST(LineTo, RasterOperationsAndPens) {
    Canvas canvas(4, 1, 0x00FF00);
    HDC dc = canvas.Dc();
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ previous = SelectObject(dc, red);
    SetROP2(dc, R2_XORPEN);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 3, 0);
    EXPECT_EQ(canvas.At(0, 0), 0xFFFF00u);
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 3, 0);
    EXPECT_EQ(canvas.At(0, 0), 0x0000FFu);
    EXPECT_EQ(canvas.At(3, 0), 0x00FF00u);
    SelectObject(dc, previous);
    DeleteObject(red);

    // A null pen moves the position and draws nothing.
    SetROP2(dc, R2_COPYPEN);
    SelectObject(dc, GetStockObject(NULL_PEN));
    canvas.Clear(0x00FF00);
    MoveToEx(dc, 0, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 4, 0));
    EXPECT_EQ(canvas.At(0, 0), 0x00FF00u);
}

// The dotted pen draws three pixels and leaves three (measured); in opaque mode the gaps take the
// background colour.
TEST(LineTo, DottedPen) {
    Canvas canvas(16, 1, 0x00FF00);
    HDC dc = canvas.Dc();
    HPEN dotted = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    SelectObject(dc, dotted);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 16, 0);
    const std::map<char, uint32_t> legend = {{'#', 0x000000}, {'.', 0x00FF00}, {'W', 0xFFFFFF}};
    EXPECT_TRUE(canvas.Matches({"###...###...###."}, legend));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 255));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 16, 0);
    EXPECT_TRUE(canvas.Matches({"###WWW###WWW###W"}, legend));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(dotted);
}

TEST(LineTo, FarAwayPointsDrawOnlyWhatIsVisible) {
    Canvas canvas(4, 4, 0xFFFFFF);
    MoveToEx(canvas.Dc(), -2000000000, 1, nullptr);
    EXPECT_TRUE(LineTo(canvas.Dc(), 2000000000, 1));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(canvas.At(x, 1), 0x000000u) << "x " << x;
        EXPECT_EQ(canvas.At(x, 0), 0xFFFFFFu) << "x " << x;
    }
}

}  // namespace
