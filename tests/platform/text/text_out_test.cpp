// TextOutA, ExtTextOutA and the measuring functions through a DC: alignment, backgrounds,
// metrics that agree with the ink, and refused calls.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/platform/text/text_dc_fixture.h"

namespace {

class TextOutTest : public TextDCTest {};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(TextOutTest, TextAlignMovesTheReferencePoint) {
    UseFont(-12, 400);
    ::SetBkMode(dc_, TRANSPARENT);
    SIZE extent{};
    ASSERT_TRUE(::GetTextExtentPoint32A(dc_, "32768", 5, &extent));
    ASSERT_EQ(extent.cx, 35);
    struct Case {
        UINT align;
        LONG left;    // where the first digit's ink starts
        LONG bottom;  // the row below the baseline
    };
    const Case cases[] = {
        {TA_LEFT | TA_TOP, 50, 50 + 11},
        {TA_CENTER | TA_TOP, 50 - 35 / 2, 50 + 11},
        {TA_RIGHT | TA_BOTTOM, 50 - 35, 50 - 3},
        {TA_LEFT | TA_BASELINE, 50, 50},
    };
    for (const Case& c : cases) {
        Clear(kWhite);
        ::SetTextAlign(dc_, c.align);
        ASSERT_TRUE(::TextOutA(dc_, 50, 50, "32768", 5));
        const RECT ink = Ink();
        EXPECT_NEAR(ink.left, c.left, 1) << "align " << c.align << " ink " << ink;
        EXPECT_LE(ink.right, c.left + 35) << "align " << c.align << " ink " << ink;
        EXPECT_EQ(ink.bottom, c.bottom) << "align " << c.align << " ink " << ink;
    }
}

TEST_F(TextOutTest, UpdateCurrentPositionAdvancesByTheExtent) {
    UseFont(-12, 400);
    layer::gdi::LookupDC(dc_)->State().currentPosition = POINT{20, 30};
    ::SetTextAlign(dc_, TA_UPDATECP);
    ::TextOutA(dc_, 0, 0, "ab", 2);
    ::TextOutA(dc_, 0, 0, "cd", 2);
    const POINT position = layer::gdi::LookupDC(dc_)->State().currentPosition;
    SIZE extent{};
    ::GetTextExtentPoint32A(dc_, "abcd", 4, &extent);
    EXPECT_EQ(position.x, 20 + extent.cx);
    EXPECT_EQ(position.y, 30);
}

// What GetTextExtentPoint32A reports is what drawing advances by: the ink of each of the
// program's texts lies within its extent, and a following character starts right after it.
TEST_F(TextOutTest, ExtentsAgreeWithTheInk) {
    struct Case {
        const char* text;
        int height;
        int weight;
    };
    const Case cases[] = {{"抽 奖", -16, 400},
                          {"位", -16, 400},
                          {"中奖童鞋", -12, 400},
                          {"总人数", -12, 400},
                          {"你还没输入人数！", -12, 400},
                          {"32768", -213, 700}};
    Close();
    Open(700, 300);
    ::SetBkMode(dc_, TRANSPARENT);
    for (const Case& c : cases) {
        UseFont(c.height, c.weight);
        Clear(kWhite);
        SIZE extent{};
        const int length = static_cast<int>(std::strlen(c.text));
        ASSERT_TRUE(::GetTextExtentPoint32A(dc_, c.text, length, &extent));
        TEXTMETRICA metrics{};
        ASSERT_TRUE(::GetTextMetricsA(dc_, &metrics));
        EXPECT_EQ(extent.cy, metrics.tmHeight) << c.text;
        ::TextOutA(dc_, 20, 10, c.text, length);
        const RECT ink = Ink();
        EXPECT_GE(ink.left, 20 - 1) << c.text << " ink " << ink;
        EXPECT_LE(ink.right, 20 + extent.cx + 2) << c.text << " ink " << ink;
        EXPECT_GE(ink.right, 20 + extent.cx / 2) << c.text << " ink " << ink;
        EXPECT_GE(ink.top, 10) << c.text;
        EXPECT_LE(ink.bottom, 10 + metrics.tmHeight) << c.text;

        RECT calc{0, 0, 1000, 1000};
        ::DrawTextA(dc_, c.text, -1, &calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        EXPECT_EQ(calc.right, extent.cx) << c.text;
        EXPECT_EQ(calc.bottom, metrics.tmHeight) << c.text;
    }
}

TEST_F(TextOutTest, BackgroundModeAndColours) {
    UseFont(-16, 400);
    ::SetTextColor(dc_, RGB(0, 128, 0));
    ::SetBkColor(dc_, RGB(255, 255, 0));
    ::SetBkMode(dc_, OPAQUE);
    ::TextOutA(dc_, 5, 5, "中中", 4);
    EXPECT_TRUE(Ink() == (RECT{5, 5, 5 + 32, 5 + 19})) << Ink();
    EXPECT_EQ(Pixel(5, 5), RGB(255, 255, 0));

    Clear(kWhite);
    ::SetBkMode(dc_, TRANSPARENT);
    ::TextOutA(dc_, 5, 5, "中中", 4);
    EXPECT_EQ(Pixel(5, 5), kWhite);
    int textColoured = 0;
    for (int y = 5; y < 24; ++y) {
        for (int x = 5; x < 37; ++x) {
            textColoured += Pixel(x, y) == RGB(0, 128, 0);
        }
    }
    EXPECT_GT(textColoured, 20) << "fully covered pixels take the text colour";
}

TEST_F(TextOutTest, ExtTextOutOpaqueAndClippedRectangle) {
    UseFont(-16, 400);
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetBkColor(dc_, RGB(0, 0, 255));
    const RECT box{10, 10, 30, 40};
    ASSERT_TRUE(::ExtTextOutA(dc_, 12, 12, ETO_OPAQUE | ETO_CLIPPED, &box, "中奖童鞋", 8, nullptr));
    EXPECT_TRUE(Ink() == box) << Ink();
    EXPECT_EQ(Pixel(10, 39), RGB(0, 0, 255));

    // Per-byte advances: a double-byte character moves by the sum of its two entries.
    Clear(kWhite);
    const INT dx[] = {10, 10, 30, 0};
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP);
    ASSERT_TRUE(::ExtTextOutA(dc_, 0, 0, 0, nullptr, "位中", 4, dx));
    const RECT ink = Ink();
    EXPECT_GE(ink.right, 20 + 12) << ink;
    EXPECT_LE(ink.right, 20 + 17) << ink;
}

TEST_F(TextOutTest, MetricsAndFaceOfTheDefaultGuiFont) {
    HGDIOBJ previous = ::SelectObject(dc_, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    ASSERT_TRUE(::GetTextMetricsA(dc_, &metrics));
    EXPECT_EQ(metrics.tmHeight, 14);
    EXPECT_EQ(metrics.tmAscent, 11);
    EXPECT_EQ(metrics.tmDescent, 3);
    EXPECT_EQ(metrics.tmWeight, 400);
    EXPECT_EQ(metrics.tmCharSet, 134);
    char face[LF_FACESIZE] = {};
    const int copied = ::GetTextFaceA(dc_, LF_FACESIZE, face);
    EXPECT_STREQ(face, "WenQuanYi Micro Hei");
    EXPECT_EQ(copied, static_cast<int>(std::strlen(face)) + 1);
    EXPECT_EQ(::GetTextFaceA(dc_, 0, nullptr), copied);
    char tiny[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(::GetTextFaceA(dc_, 4, tiny), 4);
    EXPECT_STREQ(tiny, "Wen");
    ::SelectObject(dc_, previous);
}

TEST_F(TextOutTest, BadCallsFailLikeWin32) {
    SIZE size{};
    TEXTMETRICA metrics{};
    const HDC stale = reinterpret_cast<HDC>(0x4321);
    struct Call {
        const char* name;
        BOOL result;
        DWORD error;
    };
    ::SetLastError(0);
    const BOOL staleText = ::TextOutA(stale, 0, 0, "a", 1);
    const DWORD staleError = ::GetLastError();
    ::SetLastError(0);
    const BOOL negative = ::TextOutA(dc_, 0, 0, "a", -1);
    const DWORD negativeError = ::GetLastError();
    ::SetLastError(0);
    const BOOL nullSize = ::GetTextExtentPoint32A(dc_, "a", 1, nullptr);
    const DWORD nullSizeError = ::GetLastError();
    ::SetLastError(0);
    const BOOL nullText = ::ExtTextOutA(dc_, 0, 0, 0, nullptr, nullptr, 2, nullptr);
    const DWORD nullTextError = ::GetLastError();
    ::SetLastError(0);
    const BOOL staleMetrics = ::GetTextMetricsA(stale, &metrics);
    const DWORD staleMetricsError = ::GetLastError();
    const Call calls[] = {
        {"TextOutA on a stale DC", staleText, staleError},
        {"TextOutA with a negative count", negative, negativeError},
        {"GetTextExtentPoint32A without a SIZE", nullSize, nullSizeError},
        {"ExtTextOutA without text", nullText, nullTextError},
        {"GetTextMetricsA on a stale DC", staleMetrics, staleMetricsError},
    };
    const DWORD expected[] = {ERROR_INVALID_HANDLE, ERROR_INVALID_PARAMETER,
                              ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER,
                              ERROR_INVALID_HANDLE};
    for (size_t i = 0; i < std::size(calls); ++i) {
        EXPECT_FALSE(calls[i].result) << calls[i].name;
        EXPECT_EQ(calls[i].error, expected[i]) << calls[i].name;
    }
    EXPECT_TRUE(::GetTextExtentPoint32A(dc_, nullptr, 0, &size)) << "an empty text measures";
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(Ink().right, 0) << "refused calls draw nothing";
}

}  // namespace
