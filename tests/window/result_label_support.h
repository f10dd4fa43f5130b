// What the result label's tests share: the label object of the running program, the screen
// rectangles around it, and pixel captures of an area with the ink found in them.
#pragma once

#include <string>
#include <vector>

#include "platform/testing/screen.h"
#include "platform/win32.h"
#include "tests/app/quorvane_run.h"
#include "window/transparent_label.h"

namespace quorvane::testing {

// The inside of 分组框1 on the screen, away from its frame and below its caption: the label lies
// within, one pixel from the top and four from the other sides.
constexpr RECT kGroupInside{kClientOrigin.x + 12, kClientOrigin.y + 23, kClientOrigin.x + 284,
                            kClientOrigin.y + 196};
// A point of 分组框1's inside that the label does not cover.
constexpr POINT kGroupBackgroundPoint{kClientOrigin.x + 270, kClientOrigin.y + 100};

// The label of the running program; fails the test (and returns nullptr) when there is none.
TransparentLabel* ResultLabel();

// The pixels of a screen area, row by row.
struct Capture {
    RECT area{};
    std::vector<COLORREF> pixels;

    // The pixel at a screen point inside the area; background for a point outside it.
    COLORREF At(int x, int y, COLORREF background) const;
};
Capture CaptureArea(layer::testing::Screen& screen, const RECT& area);

// How many pixels of two captures of the same area differ; all of them when the areas differ.
size_t DifferingPixels(const Capture& first, const Capture& second);
// The bounding box of the pixels in which two captures of the same area differ, for messages.
std::string DescribeDifference(const Capture& first, const Capture& second);

// The pixels of a capture that differ from the background: how many and their bounding box
// (empty when there are none).
struct Ink {
    int count = 0;
    RECT box{};
};
Ink InkOf(const Capture& capture, COLORREF background);

// Counts the pixels of the capture that are not the background and lie outside the rectangle.
int InkOutside(const Capture& capture, const RECT& inside, COLORREF background);

// The result font of the form as a byte block, optionally with another weight.
std::vector<uint8_t> ResultFontBlock(LONG weight = FW_BOLD);

std::string Describe(const RECT& rect);

}  // namespace quorvane::testing
