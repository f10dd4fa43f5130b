// DrawTextA into a memory DC: where the cell goes, what it returns, clipping, prefixes and
// DT_CALCRECT, pinned to what the reference implementation does with the same face.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/platform/text/text_dc_fixture.h"

namespace {

class DrawTextTest : public TextDCTest {};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The result label: a 213-pixel bold number centred in 240 x 160.
TEST_F(DrawTextTest, CentredNumberCentresTheCellAndItsInk) {
    UseFont(-213, 700);
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetTextColor(dc_, RGB(255, 0, 0));
    RECT label{0, 0, 240, 160};
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
    // The cell (249 high) starts at (160 - 249) / 2 = -44: the result is the offset from the
    // rectangle's top to the cell's bottom.
    EXPECT_EQ(::DrawTextA(dc_, "0", -1, &label, format), 205);
    const RECT ink = Ink();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 120.0, 2.0) << "ink " << ink;
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 80.0, 3.0) << "ink " << ink;
    EXPECT_NEAR(ink.bottom, -44 + 199, 2) << "a digit's ink rests on the baseline";
    EXPECT_EQ(Pixel(120, 80), kWhite) << "the middle of the 0 is hollow";
    EXPECT_EQ(Pixel(ink.left + 10, 80), RGB(255, 0, 0)) << "its left stroke is solid red";
}

// Wider than the label: with DT_NOCLIP only the DC's clip region cuts the number.
TEST_F(DrawTextTest, NoClipNumberIsCutOnlyByTheClipRegion) {
    Close();
    Open(600, 300);
    UseFont(-213, 700);
    ::SetBkMode(dc_, TRANSPARENT);
    const RECT label{180, 70, 420, 230};
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

    RECT rect = label;
    ::DrawTextA(dc_, "32768", -1, &rect, format | DT_NOCLIP);
    const RECT unclipped = Ink();
    EXPECT_LT(unclipped.left, label.left - 100) << "ink " << unclipped;
    EXPECT_GT(unclipped.right, label.right + 100) << "ink " << unclipped;
    EXPECT_NEAR((unclipped.left + unclipped.right) / 2.0, 300.0, 3.0) << "ink " << unclipped;

    // The window clips the label: ink reaches both of its edges and never passes them.
    Clear(kWhite);
    ASSERT_NE(::IntersectClipRect(dc_, label.left, label.top, label.right, label.bottom), ERROR);
    ::DrawTextA(dc_, "32768", -1, &rect, format | DT_NOCLIP);
    const RECT clipped = Ink();
    EXPECT_EQ(clipped.left, label.left) << "ink " << clipped;
    EXPECT_EQ(clipped.right, label.right) << "ink " << clipped;
    EXPECT_GE(clipped.top, label.top);
    EXPECT_LE(clipped.bottom, label.bottom);

    // Without DT_NOCLIP the rectangle clips the same way.
    ::SelectClipRgn(dc_, nullptr);
    Clear(kWhite);
    ::DrawTextA(dc_, "32768", -1, &rect, format);
    EXPECT_TRUE(Ink() == clipped) << Ink() << " against " << clipped;
}

TEST_F(DrawTextTest, AlignmentFlagsPlaceTheCellLikeTheReference) {
    UseFont(-12, 400);
    ::SetBkMode(dc_, TRANSPARENT);
    struct Case {
        UINT format;
        int result;
        RECT ink;  // measured with the same face and glyphs of "a"
    };
    const Case cases[] = {
        {DT_LEFT | DT_TOP | DT_SINGLELINE, 14, {10, 15, 16, 21}},
        {DT_CENTER | DT_VCENTER | DT_SINGLELINE, 32, {57, 33, 63, 39}},
        {DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, 50, {104, 51, 110, 57}},
    };
    for (const Case& c : cases) {
        Clear(kWhite);
        RECT rect{10, 10, 110, 60};
        EXPECT_EQ(::DrawTextA(dc_, "a", 1, &rect, c.format), c.result) << std::hex << c.format;
        const RECT ink = Ink();
        EXPECT_NEAR(ink.left, c.ink.left, 1) << std::hex << c.format << " ink " << ink;
        EXPECT_NEAR(ink.right, c.ink.right, 1) << std::hex << c.format << " ink " << ink;
        EXPECT_NEAR(ink.top, c.ink.top, 1) << std::hex << c.format << " ink " << ink;
        EXPECT_EQ(ink.bottom, c.ink.bottom) << std::hex << c.format << " ink " << ink;
    }
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing) {
    UseFont(-12, 400);
    struct Case {
        const char* text;
        UINT format;
        RECT start;
        RECT expected;
        int result;
    };
    const Case cases[] = {
        {"&ab", DT_SINGLELINE, {10, 10, 110, 60}, {10, 10, 23, 24}, 14},
        {"&ab", DT_SINGLELINE | DT_NOPREFIX, {10, 10, 110, 60}, {10, 10, 31, 24}, 14},
        {"abc", DT_CENTER | DT_SINGLELINE, {10, 10, 110, 60}, {10, 10, 29, 24}, 14},
        {"abc\r\nde", 0, {10, 10, 110, 60}, {10, 10, 29, 38}, 28},
        {"aaa bbb ccc dddddddddd e", DT_WORDBREAK, {0, 0, 40, 100}, {0, 0, 70, 70}, 70},
        {"你还没输入人数！", DT_WORDBREAK, {0, 0, 40, 100}, {0, 0, 36, 42}, 42},
        {"a\tb", DT_SINGLELINE | DT_EXPANDTABS, {10, 10, 110, 60}, {10, 10, 81, 24}, 14},
        {"", 0, {10, 10, 110, 60}, {10, 10, 10, 10}, 14},
    };
    for (const Case& c : cases) {
        RECT rect = c.start;
        EXPECT_EQ(::DrawTextA(dc_, c.text, -1, &rect, c.format | DT_CALCRECT), c.result) << c.text;
        EXPECT_TRUE(rect == c.expected) << c.text << ": " << rect << " expected " << c.expected;
    }
    EXPECT_TRUE(Ink() == (RECT{0, 0, 0, 0})) << "DT_CALCRECT draws nothing";
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
    UseFont(-12, 400);
    ::SetBkMode(dc_, TRANSPARENT);
    RECT rect{10, 10, 110, 60};
    ::DrawTextA(dc_, "&a", -1, &rect, DT_LEFT | DT_SINGLELINE);
    // One pixel below the baseline (row 21), along the advance of "a" less one pixel.
    for (int x = 10; x < 15; ++x) {
        EXPECT_EQ(Pixel(x, 22), RGB(0, 0, 0)) << "underline at x " << x;
    }
    EXPECT_EQ(Pixel(15, 22), kWhite);

    Clear(kWhite);
    ::DrawTextA(dc_, "&a", -1, &rect, DT_LEFT | DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(Pixel(12, 22), kWhite) << "DT_HIDEPREFIX hides the underline";
    EXPECT_EQ(Ink().right, 16) << "and still leaves the ampersand out";

    Clear(kWhite);
    ::DrawTextA(dc_, "&a", -1, &rect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(Pixel(12, 22), kWhite);
    EXPECT_GT(Ink().right, 20) << "DT_NOPREFIX draws the ampersand";
}

TEST_F(DrawTextTest, WordBrokenLinesAreDrawnOneCellApart) {
    UseFont(-12, 400);
    ::SetBkMode(dc_, TRANSPARENT);
    RECT rect{0, 0, 40, 100};
    EXPECT_EQ(::DrawTextA(dc_, "aaa bbb ccc dddddddddd e", -1, &rect, DT_LEFT | DT_WORDBREAK), 70);
    const RECT ink = Ink();
    EXPECT_EQ(ink.left, 0);
    EXPECT_EQ(ink.right, 40) << "the long word is clipped at the rectangle";
    EXPECT_NEAR(ink.top, 5, 1);
    EXPECT_EQ(ink.bottom, 4 * 14 + 11);
    // Multi-line text ignores DT_VCENTER and starts at the top.
    Clear(kWhite);
    rect = RECT{0, 0, 40, 100};
    EXPECT_EQ(::DrawTextA(dc_, "aaa bbb ccc", -1, &rect, DT_CENTER | DT_VCENTER | DT_WORDBREAK),
              42);
    EXPECT_NEAR(Ink().top, 5, 1);
}

TEST_F(DrawTextTest, OpaqueBackgroundFillsEachLineBox) {
    UseFont(-12, 400);
    ::SetBkMode(dc_, OPAQUE);
    ::SetBkColor(dc_, RGB(0, 0, 255));
    RECT rect{10, 10, 110, 60};
    ::DrawTextA(dc_, "ab", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_TRUE(Ink() == (RECT{10, 10, 23, 24})) << Ink();
    EXPECT_EQ(Pixel(10, 10), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(22, 23), RGB(0, 0, 255));
}

TEST_F(DrawTextTest, BadCallsFailLikeWin32) {
    RECT rect{0, 0, 10, 10};
    ::SetLastError(0);
    EXPECT_EQ(::DrawTextA(reinterpret_cast<HDC>(0x1234), "a", 1, &rect, 0), 0);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    ::SetLastError(0);
    EXPECT_EQ(::DrawTextA(dc_, "a", 1, nullptr, 0), 0);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(::DrawTextA(dc_, nullptr, 3, &rect, 0), 0);
    // Bad bytes in a long text draw without a crash.
    EXPECT_GT(::DrawTextA(dc_, "\xB3\x80\xFF\xB3 \xA2\xE3&\xB3", -1, &rect, DT_WORDBREAK), 0);
}

}  // namespace

namespace {

// Rectangles and positions at the ends of the LONG range are drawn without overflowing.
TEST_F(DrawTextTest, ExtremeCoordinatesAreHandled) {
    UseFont(-12, 400);
    const LONG lowest = INT32_MIN, highest = INT32_MAX;
    const RECT rects[] = {{lowest, lowest, highest, highest},
                          {highest, highest, lowest, lowest},
                          {lowest, 0, lowest + 10, 10}};
    for (const RECT& start : rects) {
        for (UINT format : {DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                            DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, DT_WORDBREAK | DT_CALCRECT}) {
            RECT rect = start;
            ::DrawTextA(dc_, "32768 中", -1, &rect, format);
        }
    }
    ::SetTextAlign(dc_, TA_RIGHT | TA_BOTTOM | TA_UPDATECP);
    EXPECT_TRUE(::TextOutA(dc_, lowest, lowest, "ab", 2));
    ::SetTextAlign(dc_, TA_CENTER | TA_BASELINE);
    EXPECT_TRUE(::TextOutA(dc_, lowest, highest, "ab", 2));
    const RECT huge{lowest, lowest, highest, highest};
    EXPECT_TRUE(::ExtTextOutA(dc_, highest, lowest, ETO_CLIPPED, &huge, "ab", 2, nullptr));
    // The sanitised test build stops at any overflow; the centre of the widest rectangle lies
    // near the origin, so that text is really drawn there.
    RECT widest{lowest, lowest, highest, highest};
    Clear(kWhite);
    ::DrawTextA(dc_, "0", -1, &widest, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = Ink();
    EXPECT_LT(ink.left, 8) << ink;
    EXPECT_GT(ink.right, 0) << ink;
}

}  // namespace
