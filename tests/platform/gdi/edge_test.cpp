// DrawEdge and DrawFocusRect, pixel for pixel as the reference implementation drew them.
#include <gtest/gtest.h>

#include "canvas.h"
#include "platform/win32.h"

namespace {

using gdi_test::Canvas;
using gdi_test::Pixel;

std::map<char, uint32_t> EdgeLegend() {
    return {{'.', 0xFF00FF},
            {'H', Pixel(GetSysColor(COLOR_3DHIGHLIGHT))},
            {'L', Pixel(GetSysColor(COLOR_3DLIGHT))},
            {'S', Pixel(GetSysColor(COLOR_3DSHADOW))},
            {'D', Pixel(GetSysColor(COLOR_3DDKSHADOW))},
            {'F', Pixel(GetSysColor(COLOR_3DFACE))},
            {'W', Pixel(GetSysColor(COLOR_WINDOW))},
            {'K', Pixel(GetSysColor(COLOR_WINDOWFRAME))}};
}

// Each case draws into (1, 1, 9, 7) on a 10 x 8 canvas; the pictures and the adjusted
// rectangles are what the reference implementation produced.
TEST(DrawEdge, MatchesTheMeasuredPixels) {
    const struct {
        const char* name;
        UINT edge;
        UINT flags;
        std::vector<std::string> expected;
        RECT adjusted;
    } cases[] = {
        {"raised",
         EDGE_RAISED,
         BF_RECT,
         {"..........", ".LLLLLLLD.", ".LHHHHHSD.", ".LH....SD.", ".LH....SD.", ".LSSSSSSD.",
          ".DDDDDDDD.", ".........."},
         {3, 3, 7, 5}},
        {"sunken",
         EDGE_SUNKEN,
         BF_RECT,
         {"..........", ".SSSSSSSH.", ".SDDDDDLH.", ".SD....LH.", ".SD....LH.", ".SLLLLLLH.",
          ".HHHHHHHH.", ".........."},
         {3, 3, 7, 5}},
        {"etched",
         EDGE_ETCHED,
         BF_RECT,
         {"..........", ".SSSSSSSH.", ".SHHHHHSH.", ".SH....SH.", ".SH....SH.", ".SSSSSSSH.",
          ".HHHHHHHH.", ".........."},
         {3, 3, 7, 5}},
        {"bump",
         EDGE_BUMP,
         BF_RECT,
         {"..........", ".LLLLLLLD.", ".LDDDDDLD.", ".LD....LD.", ".LD....LD.", ".LLLLLLLD.",
          ".DDDDDDDD.", ".........."},
         {3, 3, 7, 5}},
        {"raised middle",
         EDGE_RAISED,
         BF_RECT | BF_MIDDLE,
         {"..........", ".LLLLLLLD.", ".LHHHHHSD.", ".LHFFFFSD.", ".LHFFFFSD.", ".LSSSSSSD.",
          ".DDDDDDDD.", ".........."},
         {3, 3, 7, 5}},
        {"sunken soft",
         EDGE_SUNKEN,
         BF_RECT | BF_SOFT,
         {"..........", ".DDDDDDDH.", ".DSSSSSLH.", ".DS....LH.", ".DS....LH.", ".DLLLLLLH.",
          ".HHHHHHHH.", ".........."},
         {3, 3, 7, 5}},
        {"raised soft",
         EDGE_RAISED,
         BF_RECT | BF_SOFT,
         {"..........", ".HHHHHHHD.", ".HLLLLLSD.", ".HL....SD.", ".HL....SD.", ".HSSSSSSD.",
          ".DDDDDDDD.", ".........."},
         {3, 3, 7, 5}},
        {"sunken flat",
         EDGE_SUNKEN,
         BF_RECT | BF_FLAT,
         {"..........", ".SSSSSSSS.", ".SFFFFFFS.", ".SF....FS.", ".SF....FS.", ".SFFFFFFS.",
          ".SSSSSSSS.", ".........."},
         {3, 3, 7, 5}},
        {"sunken flat middle",
         EDGE_SUNKEN,
         BF_RECT | BF_FLAT | BF_MIDDLE,
         {"..........", ".SSSSSSSS.", ".SFFFFFFS.", ".SFFFFFFS.", ".SFFFFFFS.", ".SFFFFFFS.",
          ".SSSSSSSS.", ".........."},
         {3, 3, 7, 5}},
        {"sunken mono",
         EDGE_SUNKEN,
         BF_RECT | BF_MONO,
         {"..........", ".KKKKKKKK.", ".KWWWWWWK.", ".KW....WK.", ".KW....WK.", ".KWWWWWWK.",
          ".KKKKKKKK.", ".........."},
         {3, 3, 7, 5}},
        {"raised mono middle",
         EDGE_RAISED,
         BF_RECT | BF_MONO | BF_MIDDLE,
         {"..........", ".KKKKKKKK.", ".KWWWWWWK.", ".KWWWWWWK.", ".KWWWWWWK.", ".KWWWWWWK.",
          ".KKKKKKKK.", ".........."},
         {3, 3, 7, 5}},
        {"raised outer",
         BDR_RAISEDOUTER,
         BF_RECT,
         {"..........", ".LLLLLLLD.", ".L......D.", ".L......D.", ".L......D.", ".L......D.",
          ".DDDDDDDD.", ".........."},
         {2, 2, 8, 6}},
        {"sunken inner",
         BDR_SUNKENINNER,
         BF_RECT,
         {"..........", ".DDDDDDDL.", ".D......L.", ".D......L.", ".D......L.", ".D......L.",
          ".LLLLLLLL.", ".........."},
         {2, 2, 8, 6}},
        {"raised outer flat",
         BDR_RAISEDOUTER,
         BF_RECT | BF_FLAT,
         {"..........", ".SSSSSSSS.", ".S......S.", ".S......S.", ".S......S.", ".S......S.",
          ".SSSSSSSS.", ".........."},
         {2, 2, 8, 6}},
        {"raised left and top",
         EDGE_RAISED,
         BF_LEFT | BF_TOP,
         {"..........", ".LLLLLLLL.", ".LHHHHHHH.", ".LH.......", ".LH.......", ".LH.......",
          ".LH.......", ".........."},
         {3, 3, 9, 7}},
        {"sunken right and bottom",
         EDGE_SUNKEN,
         BF_RIGHT | BF_BOTTOM,
         {"..........", ".......LH.", ".......LH.", ".......LH.", ".......LH.", ".LLLLLLLH.",
          ".HHHHHHHH.", ".........."},
         {1, 1, 7, 5}},
        {"sunken top and bottom",
         EDGE_SUNKEN,
         BF_TOP | BF_BOTTOM,
         {"..........", ".SSSSSSSS.", ".DDDDDDDD.", "..........", "..........", ".LLLLLLLL.",
          ".HHHHHHHH.", ".........."},
         {1, 3, 9, 5}},
        {"raised left",
         EDGE_RAISED,
         BF_LEFT,
         {"..........", ".LH.......", ".LH.......", ".LH.......", ".LH.......", ".LH.......",
          ".LH.......", ".........."},
         {3, 1, 9, 7}},
    };
    const std::map<char, uint32_t> legend = EdgeLegend();
    for (const auto& c : cases) {
        Canvas canvas(10, 8);
        RECT rect{1, 1, 9, 7};
        EXPECT_TRUE(DrawEdge(canvas.Dc(), &rect, c.edge, c.flags)) << c.name;
        EXPECT_TRUE(canvas.Matches(c.expected, legend)) << c.name;
        EXPECT_EQ(rect.left, 1) << c.name << ": only BF_ADJUST changes the rectangle";
        EXPECT_TRUE(DrawEdge(canvas.Dc(), &rect, c.edge, c.flags | BF_ADJUST)) << c.name;
        EXPECT_EQ(rect.left, c.adjusted.left) << c.name;
        EXPECT_EQ(rect.top, c.adjusted.top) << c.name;
        EXPECT_EQ(rect.right, c.adjusted.right) << c.name;
        EXPECT_EQ(rect.bottom, c.adjusted.bottom) << c.name;
    }
}

TEST(DrawEdge, RefusesWhatItCannotDraw) {
    Canvas canvas(4, 4);
    RECT rect{0, 0, 4, 4};
    EXPECT_FALSE(DrawEdge(canvas.Dc(), nullptr, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawEdge(canvas.Dc(), &rect, EDGE_RAISED, BF_DIAGONAL | BF_TOPLEFT));
    EXPECT_EQ(canvas.At(0, 0), 0xFF00FFu);
}

// The focus rectangle inverts every other pixel along its outline; which ones was measured for
// many rectangles. Walking clockwise from the top-right pixel, the first pixel is inverted.
TEST(DrawFocusRect, MeasuredPatternsAndTheirUndo) {
    const struct {
        RECT rect;
        std::vector<std::string> expected;
    } cases[] = {
        {{1, 1, 9, 7},
         {"..........", "..#.#.#.#.", ".#........", "........#.", ".#........", "........#.",
          ".#.#.#.#..", ".........."}},
        {{2, 1, 9, 7},
         {"..........", "..#.#.#.#.", "..........", "..#.....#.", "..........", "..#.....#.",
          "...#.#.#..", ".........."}},
        {{1, 2, 9, 7},
         {"..........", "..........", "..#.#.#.#.", ".#........", "........#.", ".#........",
          "..#.#.#.#.", ".........."}},
        {{0, 0, 4, 4},
         {".#.#......", "#.........", "...#......", "#.#.......", "..........", "..........",
          "..........", ".........."}},
        // One pixel wide or high: pixels passed twice are inverted twice.
        {{1, 1, 2, 7},
         {"..........", ".#........", "..........", "..........", "..........", "..........",
          "..........", ".........."}},
        {{1, 1, 9, 2},
         {"..........", "........#.", "..........", "..........", "..........", "..........",
          "..........", ".........."}},
        {{0, 0, 3, 3},
         {"#.#.......", "..........", "#.#.......", "..........", "..........", "..........",
          "..........", ".........."}},
    };
    const std::map<char, uint32_t> legend = {{'.', 0xFFFFFF}, {'#', 0x000000}};
    for (const auto& c : cases) {
        Canvas canvas(10, 8, 0xFFFFFF);
        EXPECT_TRUE(DrawFocusRect(canvas.Dc(), &c.rect));
        EXPECT_TRUE(canvas.Matches(c.expected, legend))
            << "rect " << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
            << c.rect.bottom;
        EXPECT_TRUE(DrawFocusRect(canvas.Dc(), &c.rect));
        EXPECT_TRUE(canvas.Matches(std::vector<std::string>(8, ".........."), legend));
    }
}

TEST(DrawFocusRect, InvertsWhateverIsThere) {
    Canvas canvas(10, 8, 0x336699);
    RECT rect{1, 1, 9, 7};
    DrawFocusRect(canvas.Dc(), &rect);
    EXPECT_EQ(canvas.At(1, 1), 0x336699u);
    EXPECT_EQ(canvas.At(2, 1), 0xCC9966u);
}

}  // namespace
