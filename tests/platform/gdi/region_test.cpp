// Regions and clipping: the algebra of HRGN objects and fills clipped by IntersectClipRect,
// ExcludeClipRect, SelectClipRgn and ExtSelectClipRgn.
#include <gtest/gtest.h>

#include "canvas.h"
#include "platform/win32.h"

namespace {

using gdi_test::Canvas;

const std::map<char, uint32_t> kLegend = {{'.', 0x000000}, {'#', 0xFFFFFF}};

class RegionPair : public ::testing::Test {
  protected:
    void TearDown() override {
        DeleteObject(a);
        DeleteObject(b);
        DeleteObject(result);
    }
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN result = CreateRectRgn(0, 0, 0, 0);
};

// Results and boxes as measured for two overlapping squares.
TEST_F(RegionPair, CombineGivesTheKindOfTheResult) {
    const struct {
        int mode;
        int kind;
        RECT box;
        POINT inside;
        POINT outside;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, {5, 5}, {4, 4}},
        {RGN_OR, COMPLEXREGION, {0, 0, 15, 15}, {14, 14}, {14, 0}},
        {RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, {0, 0}, {7, 7}},
        {RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, {9, 0}, {9, 9}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.kind) << "mode " << c.mode;
        RECT box{};
        EXPECT_EQ(GetRgnBox(result, &box), c.kind) << "mode " << c.mode;
        EXPECT_EQ(box.left, c.box.left) << "mode " << c.mode;
        EXPECT_EQ(box.top, c.box.top) << "mode " << c.mode;
        EXPECT_EQ(box.right, c.box.right) << "mode " << c.mode;
        EXPECT_EQ(box.bottom, c.box.bottom) << "mode " << c.mode;
        EXPECT_TRUE(PtInRegion(result, c.inside.x, c.inside.y)) << "mode " << c.mode;
        EXPECT_FALSE(PtInRegion(result, c.outside.x, c.outside.y)) << "mode " << c.mode;
    }
    EXPECT_EQ(CombineRgn(result, a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(result, a));
    HRGN far = CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(CombineRgn(result, a, far, RGN_AND), NULLREGION);
    DeleteObject(far);
    EXPECT_EQ(CombineRgn(result, a, b, 0), ERROR);
    EXPECT_EQ(CombineRgn(result, a, b, 6), ERROR);
}

TEST_F(RegionPair, TheDestinationMayBeASource) {
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(a, 14, 14));
    EXPECT_TRUE(PtInRegion(a, 0, 0));
}

TEST_F(RegionPair, EditingAndTesting) {
    EXPECT_EQ(OffsetRgn(b, -5, -5), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(a, b));
    EXPECT_TRUE(SetRectRgn(b, 1, 1, 2, 2));
    EXPECT_FALSE(EqualRgn(a, b));
    RECT touching{9, 9, 20, 20};
    RECT apart{10, 0, 20, 10};
    EXPECT_TRUE(RectInRegion(a, &touching));
    EXPECT_FALSE(RectInRegion(a, &apart));
    // The right and bottom edges are outside.
    EXPECT_TRUE(PtInRegion(a, 9, 9));
    EXPECT_FALSE(PtInRegion(a, 10, 9));
}

// CreateRectRgn puts the corners in order, as measured: (10, 10, 0, 0) is the square (0, 0, 10,
// 10).
TEST(Regions, CornersArePutInOrder) {
    HRGN region = CreateRectRgn(10, 10, 0, 0);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 10);
    HRGN empty = CreateRectRgn(3, 3, 3, 9);
    EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
    DeleteObject(region);
    DeleteObject(empty);
}

TEST(Regions, HugeCoordinatesStaySound) {
    HRGN everything = CreateRectRgn(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_TRUE(PtInRegion(everything, 0, 0));
    EXPECT_TRUE(PtInRegion(everything, -1000000000, 1000000000));
    RECT box{};
    EXPECT_EQ(GetRgnBox(everything, &box), SIMPLEREGION);
    EXPECT_LT(box.left, -1000000000);
    EXPECT_GT(box.right, 1000000000);
    EXPECT_NE(OffsetRgn(everything, INT32_MAX, INT32_MAX), ERROR);
    DeleteObject(everything);
    Canvas canvas(2, 2, 0x000000);
    EXPECT_EQ(IntersectClipRect(canvas.Dc(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX),
              SIMPLEREGION);
    RECT all{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 1);
    EXPECT_EQ(canvas.At(1, 1), 0xFFFFFFu);
}

TEST(Clipping, FillsStayInsideTheClip) {
    const struct {
        const char* name;
        void (*clip)(HDC);
        std::vector<std::string> expected;
    } cases[] = {
        {"IntersectClipRect",
         [](HDC dc) { IntersectClipRect(dc, 1, 1, 4, 3); },
         {"......", ".###..", ".###..", "......"}},
        {"ExcludeClipRect",
         [](HDC dc) { ExcludeClipRect(dc, 1, 1, 5, 3); },
         {"######", "#....#", "#....#", "######"}},
        {"both",
         [](HDC dc) {
             IntersectClipRect(dc, 0, 0, 5, 4);
             ExcludeClipRect(dc, 2, 0, 3, 4);
         },
         {"##.##.", "##.##.", "##.##.", "##.##."}},
        {"SelectClipRgn",
         [](HDC dc) {
             HRGN region = CreateRectRgn(0, 0, 2, 2);
             HRGN second = CreateRectRgn(4, 2, 6, 4);
             CombineRgn(region, region, second, RGN_OR);
             EXPECT_EQ(SelectClipRgn(dc, region), COMPLEXREGION);
             // The DC keeps a copy: changing the region afterwards changes nothing.
             SetRectRgn(region, 0, 0, 6, 4);
             DeleteObject(region);
             DeleteObject(second);
         },
         {"##....", "##....", "....##", "....##"}},
        {"ExtSelectClipRgn RGN_DIFF",
         [](HDC dc) {
             HRGN region = CreateRectRgn(1, 0, 5, 4);
             EXPECT_EQ(ExtSelectClipRgn(dc, region, RGN_DIFF), COMPLEXREGION);
             DeleteObject(region);
         },
         {"#....#", "#....#", "#....#", "#....#"}},
        {"ExtSelectClipRgn RGN_OR after IntersectClipRect",
         [](HDC dc) {
             IntersectClipRect(dc, 0, 0, 1, 1);
             HRGN region = CreateRectRgn(5, 3, 6, 4);
             ExtSelectClipRgn(dc, region, RGN_OR);
             DeleteObject(region);
         },
         {"#.....", "......", "......", ".....#"}},
        {"cleared again",
         [](HDC dc) {
             IntersectClipRect(dc, 0, 0, 1, 1);
             EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
         },
         {"######", "######", "######", "######"}},
    };
    for (const auto& c : cases) {
        Canvas canvas(6, 4, 0x000000);
        c.clip(canvas.Dc());
        RECT all{-5, -5, 50, 50};
        FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EXPECT_TRUE(canvas.Matches(c.expected, kLegend)) << c.name;
    }
}

TEST(Clipping, GetClipBoxAndGetClipRgn) {
    Canvas canvas(8, 6);
    HDC dc = canvas.Dc();
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    EXPECT_EQ(GetClipRgn(dc, copy), 0);
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 6);
    EXPECT_EQ(IntersectClipRect(dc, 2, 1, 20, 3), SIMPLEREGION);
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 3);
    EXPECT_EQ(GetClipRgn(dc, copy), 1);
    EXPECT_TRUE(PtInRegion(copy, 2, 1));
    EXPECT_FALSE(PtInRegion(copy, 1, 1));
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 1, 1), NULLREGION);
    // Without a region only RGN_COPY means something (measured).
    EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(dc, copy), 0);
    DeleteObject(copy);
}

}  // namespace
