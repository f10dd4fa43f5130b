// GradientFill: rectangles and triangles on 16-bit channels, exactly as measured.
#include <gtest/gtest.h>

#include <cstdint>

#include "canvas.h"
#include "platform/win32.h"

namespace {

using gdi_test::Canvas;

TRIVERTEX Vertex(LONG x, LONG y, COLOR16 red, COLOR16 green, COLOR16 blue) {
    return TRIVERTEX{x, y, red, green, blue, 0};
}

uint32_t Channels(int red, int green, int blue) {
    return (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) |
           static_cast<uint32_t>(blue);
}

// Row dy of a vertical gradient of height H has the channel (c0 + (c1 - c0) * dy / H) >> 8, the
// quotient rounded down (the probe's 0x0101 -> 0 over 200 rows shows that a falling channel is
// rounded down, not towards zero).
uint32_t VerticalFormula(const TRIVERTEX& top, const TRIVERTEX& bottom, int dy, int height) {
    auto channel = [&](COLOR16 c0, COLOR16 c1) {
        const int64_t numerator = int64_t{c0} * (height - dy) + int64_t{c1} * dy;
        return static_cast<int>((numerator / height) >> 8);
    };
    return Channels(channel(top.Red, bottom.Red), channel(top.Green, bottom.Green),
                    channel(top.Blue, bottom.Blue));
}

TEST(GradientFill, VerticalRectangleFollowsTheMeasuredFormula) {
    const struct {
        TRIVERTEX top;
        TRIVERTEX bottom;
        int height;
    } cases[] = {
        {Vertex(0, 0, 0x0000, 0x1000, 0xFF00), Vertex(3, 10, 0xFF00, 0x2345, 0x0100), 10},
        {Vertex(0, 0, 0xFFFF, 0xFF00, 0xEC00), Vertex(3, 213, 0xE500, 0x9700, 0x0000), 213},
        {Vertex(0, 0, 0x0101, 0x0101, 0x0101), Vertex(3, 200, 0, 0, 0), 200},
    };
    for (const auto& c : cases) {
        Canvas canvas(3, c.height, 0);
        TRIVERTEX vertices[2] = {c.top, c.bottom};
        GRADIENT_RECT mesh{0, 1};
        ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V));
        for (int dy = 0; dy < c.height; ++dy) {
            EXPECT_EQ(canvas.At(1, dy), VerticalFormula(c.top, c.bottom, dy, c.height))
                << "row " << dy << " of " << c.height;
        }
    }
    // The measured rows themselves.
    Canvas canvas(1, 10, 0);
    TRIVERTEX vertices[2] = {Vertex(0, 0, 0x0000, 0x1000, 0xFF00),
                             Vertex(1, 10, 0xFF00, 0x2345, 0x0100)};
    GRADIENT_RECT mesh{0, 1};
    GradientFill(canvas.Dc(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
    const uint32_t measured[10] = {0x0010FF, 0x1911E5, 0x3313CC, 0x4C15B2, 0x661799,
                                   0x7F1980, 0x991B66, 0xB21D4D, 0xCC1F33, 0xE5211A};
    for (int dy = 0; dy < 10; ++dy) {
        EXPECT_EQ(canvas.At(0, dy), measured[dy]) << "row " << dy;
    }
}

TEST(GradientFill, HorizontalRectangleRunsFromTheLeftVertex) {
    Canvas canvas(10, 1, 0);
    // The mesh names the right vertex first; the left one still starts the gradient (measured).
    TRIVERTEX vertices[2] = {Vertex(10, 1, 0xFF00, 0, 0), Vertex(0, 0, 0, 0, 0)};
    GRADIENT_RECT mesh{0, 1};
    ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    const int measuredRed[10] = {0x00, 0x19, 0x33, 0x4C, 0x66, 0x7F, 0x99, 0xB2, 0xCC, 0xE5};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(canvas.At(x, 0), Channels(measuredRed[x], 0, 0)) << "column " << x;
    }
    Canvas wide(7, 1, 0);
    TRIVERTEX second[2] = {Vertex(0, 0, 0xFF00, 0x8000, 0), Vertex(7, 1, 0, 0, 0xFF00)};
    GradientFill(wide.Dc(), second, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
    const uint32_t measured[7] = {0xFF8000, 0xDA6D24, 0xB65B48, 0x91496D,
                                  0x6D3691, 0x4824B6, 0x2412DA};
    for (int x = 0; x < 7; ++x) {
        EXPECT_EQ(wide.At(x, 0), measured[x]) << "column " << x;
    }
}

// Which pixels a triangle covers, as measured: those whose top-left corner lies inside it, with
// its left and top edges included and its right and bottom edges left out.
TEST(GradientFill, TriangleCoverage) {
    const TRIVERTEX corners[4] = {Vertex(1, 1, 0, 0, 0), Vertex(9, 1, 0, 0, 0),
                                  Vertex(1, 7, 0, 0, 0), Vertex(9, 7, 0, 0, 0)};
    const std::map<char, uint32_t> legend = {{'.', 0xFFFFFF}, {'#', 0x000000}};
    const struct {
        std::vector<GRADIENT_TRIANGLE> mesh;
        std::vector<std::string> expected;
    } cases[] = {
        {{{0, 1, 2}},
         {"..........", ".########.", ".#######..", ".######...", ".####.....", ".###......",
          ".##.......", ".........."}},
        {{{1, 3, 2}},
         {"..........", "..........", "........#.", ".......##.", ".....####.", "....#####.",
          "...######.", ".........."}},
        {{{0, 1, 2}, {1, 3, 2}},
         {"..........", ".########.", ".########.", ".########.", ".########.", ".########.",
          ".########.", ".........."}},
    };
    for (const auto& c : cases) {
        Canvas canvas(10, 8, 0xFFFFFF);
        TRIVERTEX vertices[4] = {corners[0], corners[1], corners[2], corners[3]};
        ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 4,
                                 const_cast<GRADIENT_TRIANGLE*>(c.mesh.data()),
                                 static_cast<ULONG>(c.mesh.size()), GRADIENT_FILL_TRIANGLE));
        EXPECT_TRUE(canvas.Matches(c.expected, legend));
    }
    Canvas canvas(12, 9, 0xFFFFFF);
    TRIVERTEX odd[3] = {Vertex(2, 1, 0, 0, 0), Vertex(10, 3, 0, 0, 0), Vertex(4, 8, 0, 0, 0)};
    GRADIENT_TRIANGLE triangle{0, 1, 2};
    ASSERT_TRUE(GradientFill(canvas.Dc(), odd, 3, &triangle, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_TRUE(canvas.Matches(
        {"............", "............", "...###......", "...#######..", "...######...",
         "....####....", "....###.....", "....##......", "............"},
        legend));
}

// Each pixel of a triangle is the mix of its corners' colours weighted by the barycentric
// coordinates of the pixel's top-left corner, rounded down per 16-bit channel.
uint32_t Barycentric(const TRIVERTEX& a, const TRIVERTEX& b, const TRIVERTEX& c, int x, int y) {
    const int64_t area = int64_t{b.x - a.x} * (c.y - a.y) - int64_t{c.x - a.x} * (b.y - a.y);
    const int64_t wb = int64_t{x - a.x} * (c.y - a.y) - int64_t{c.x - a.x} * (y - a.y);
    const int64_t wc = int64_t{b.x - a.x} * (y - a.y) - int64_t{x - a.x} * (b.y - a.y);
    const int64_t wa = area - wb - wc;
    auto channel = [&](COLOR16 ca, COLOR16 cb, COLOR16 cc) {
        const int64_t mixed = ca * wa + cb * wb + cc * wc;
        return static_cast<int>((mixed / area) >> 8);
    };
    return Channels(channel(a.Red, b.Red, c.Red), channel(a.Green, b.Green, c.Green),
                    channel(a.Blue, b.Blue, c.Blue));
}

// The look's gradients: a rectangle cut along its top-right to bottom-left diagonal into two
// triangles, each shaded between its three corners.
TEST(GradientFill, TwoTrianglesInterpolateEachChannelLinearly) {
    const TRIVERTEX corners[4] = {
        Vertex(0, 0, 0xFF00, 0x0000, 0x0000), Vertex(8, 0, 0x0000, 0xFF00, 0x0000),
        Vertex(0, 6, 0x0000, 0x0000, 0xFF00), Vertex(8, 6, 0xFF00, 0xFF00, 0xFF00)};
    Canvas canvas(8, 6, 0);
    TRIVERTEX vertices[4] = {corners[0], corners[1], corners[2], corners[3]};
    GRADIENT_TRIANGLE mesh[2] = {{0, 1, 2}, {1, 3, 2}};
    ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 4, mesh, 2, GRADIENT_FILL_TRIANGLE));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            // Pixels left of the diagonal belong to the first triangle.
            const bool first = x * 6 < 8 * (6 - y);
            const uint32_t expected = first ? Barycentric(corners[0], corners[1], corners[2], x, y)
                                            : Barycentric(corners[1], corners[3], corners[2], x, y);
            EXPECT_EQ(canvas.At(x, y), expected) << "pixel " << x << "," << y;
        }
    }
    // Pixels the reference implementation produced for the same mesh.
    const struct {
        int x;
        int y;
        uint32_t pixel;
    } measured[] = {{0, 0, 0xFF0000}, {1, 0, 0xDF1F00}, {7, 0, 0x1FDF00}, {0, 1, 0xD4002A},
                    {7, 1, 0x0ADF2A}, {3, 3, 0x1F5F7F}, {4, 3, 0x007F7F}, {7, 5, 0xB4DFD4},
                    {0, 5, 0x2A00D4}, {5, 2, 0x0A9F55}};
    for (const auto& m : measured) {
        EXPECT_EQ(canvas.At(m.x, m.y), m.pixel) << "pixel " << m.x << "," << m.y;
    }
}

// When both top corners share a colour and both bottom corners another, the two triangles are a
// plain vertical gradient, as the look relies on.
TEST(GradientFill, TwoTrianglesWithEqualRowsAreAVerticalGradient) {
    const TRIVERTEX top = Vertex(0, 0, 0x1234, 0x5678, 0x9ABC);
    const TRIVERTEX bottom = Vertex(0, 0, 0xFEDC, 0xBA98, 0x7654);
    const int width = 13;
    const int height = 23;
    TRIVERTEX vertices[4] = {top, top, bottom, bottom};
    vertices[1].x = width;
    vertices[2].y = height;
    vertices[3].x = width;
    vertices[3].y = height;
    GRADIENT_TRIANGLE mesh[2] = {{0, 1, 2}, {1, 3, 2}};
    Canvas canvas(width, height, 0);
    ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 4, mesh, 2, GRADIENT_FILL_TRIANGLE));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(canvas.At(x, y), VerticalFormula(top, bottom, y, height))
                << "pixel " << x << "," << y;
        }
    }
}

TEST(GradientFill, ClipOriginAndBadArguments) {
    Canvas canvas(6, 6, 0);
    IntersectClipRect(canvas.Dc(), 0, 0, 3, 6);
    TRIVERTEX vertices[2] = {Vertex(0, 0, 0xFF00, 0xFF00, 0xFF00),
                             Vertex(6, 6, 0xFF00, 0xFF00, 0xFF00)};
    GRADIENT_RECT mesh{0, 1};
    ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(canvas.At(2, 5), 0xFFFFFFu);
    EXPECT_EQ(canvas.At(3, 0), 0u);

    SetLastError(0);
    GRADIENT_RECT outOfRange{0, 2};
    EXPECT_FALSE(GradientFill(canvas.Dc(), vertices, 2, &outOfRange, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(GradientFill(canvas.Dc(), vertices, 2, &mesh, 1, 7));
    EXPECT_FALSE(GradientFill(canvas.Dc(), nullptr, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    GRADIENT_TRIANGLE badTriangle{0, 1, 5};
    EXPECT_FALSE(GradientFill(canvas.Dc(), vertices, 2, &badTriangle, 1, GRADIENT_FILL_TRIANGLE));
    // Far-flung vertices draw only what is visible.
    TRIVERTEX huge[3] = {Vertex(-2000000000, -2000000000, 0, 0, 0),
                         Vertex(2000000000, -2000000000, 0xFF00, 0, 0),
                         Vertex(0, 2000000000, 0, 0, 0xFF00)};
    GRADIENT_TRIANGLE triangle{0, 1, 2};
    EXPECT_TRUE(GradientFill(canvas.Dc(), huge, 3, &triangle, 1, GRADIENT_FILL_TRIANGLE));
}

// A triangle whose area needs more than 64 bits still mixes exactly: one step from the red corner
// of a 2^31-pixel triangle is just below full red.
TEST(GradientFill, FarFlungTrianglesStayExact) {
    Canvas canvas(4, 4, 0xFFFFFF);
    TRIVERTEX vertices[3] = {Vertex(0, 0, 0xFF00, 0, 0), Vertex(2147483647, 0, 0, 0, 0),
                             Vertex(0, 2147483647, 0, 0, 0)};
    GRADIENT_TRIANGLE triangle{0, 1, 2};
    ASSERT_TRUE(GradientFill(canvas.Dc(), vertices, 3, &triangle, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(canvas.At(0, 0), 0xFF0000u);
    EXPECT_EQ(canvas.At(1, 0), 0xFE0000u);
    EXPECT_EQ(canvas.At(3, 3), 0xFE0000u);
}

}  // namespace
