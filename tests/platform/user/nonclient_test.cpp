// The non-client area: metrics, AdjustWindowRectEx, the default hit-test answers and the frame
// and caption pixels. Expected values were measured under Wine where the documentation is silent.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_support.h"

namespace layer::user::testing {
namespace {

constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

class NonClientTest : public WindowTest {};

TEST_F(NonClientTest, MetricsOfTheClassicLook) {
    struct Metric {
        int index;
        int value;
    };
    for (Metric m : {Metric{SM_CYCAPTION, 19}, Metric{SM_CXFIXEDFRAME, 3},
                     Metric{SM_CYFIXEDFRAME, 3}, Metric{SM_CXSIZEFRAME, 4}, Metric{SM_CXEDGE, 2},
                     Metric{SM_CYEDGE, 2}, Metric{SM_CXBORDER, 1}, Metric{SM_CXSIZE, 18},
                     Metric{SM_CYSIZE, 18}, Metric{SM_CXDOUBLECLK, 4}, Metric{SM_CYMENU, 19},
                     Metric{SM_CXSCREEN, 1024}, Metric{SM_CYSCREEN, 768}}) {
        EXPECT_EQ(GetSystemMetrics(m.index), m.value) << "metric " << m.index;
    }
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_GRADIENTACTIVECAPTION), RGB(166, 202, 240));
}

TEST_F(NonClientTest, AdjustWindowRectAddsTheFrameOfEachStyle) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        RECT expected;
    };
    for (Case c : {Case{kMainStyle, 0, {-3, -22, 103, 103}},
                   Case{WS_CHILD | WS_BORDER, WS_EX_CLIENTEDGE, {-3, -3, 103, 103}},
                   Case{WS_CHILD, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, {-5, -5, 105, 105}},
                   Case{WS_CHILD, WS_EX_STATICEDGE, {-1, -1, 101, 101}},
                   Case{WS_OVERLAPPEDWINDOW, 0, {-4, -23, 104, 104}}}) {
        RECT rect{0, 0, 100, 100};
        ASSERT_TRUE(AdjustWindowRectEx(&rect, c.style, FALSE, c.exStyle));
        EXPECT_EQ(rect.left, c.expected.left) << "style " << std::hex << c.style;
        EXPECT_EQ(rect.top, c.expected.top) << "style " << std::hex << c.style;
        EXPECT_EQ(rect.right, c.expected.right) << "style " << std::hex << c.style;
        EXPECT_EQ(rect.bottom, c.expected.bottom) << "style " << std::hex << c.style;
    }
}

TEST_F(NonClientTest, DefaultHitTestOfTheMainWindowShape) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 100, 100, 405, 238);
    EXPECT_EQ(GetWindowLongA(top, GWL_EXSTYLE), WS_EX_WINDOWEDGE);
    struct Case {
        int x;
        int y;
        LRESULT hit;
    };
    for (Case c : {Case{100, 100, HTBORDER}, Case{103, 103, HTSYSMENU}, Case{120, 110, HTSYSMENU},
                   Case{200, 110, HTCAPTION}, Case{490, 110, HTCLOSE}, Case{495, 110, HTCLOSE},
                   Case{502, 110, HTBORDER}, Case{300, 121, HTNOWHERE}, Case{300, 122, HTCLIENT},
                   Case{104, 200, HTCLIENT}, Case{102, 200, HTBORDER}, Case{99, 200, HTNOWHERE}}) {
        EXPECT_EQ(SendMessageA(top, WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.hit)
            << "at " << c.x << ", " << c.y;
    }
}

// The caption is a horizontal gradient computed on 16-bit channels, truncating.
COLORREF GradientAt(COLORREF from, COLORREF to, int column, int width) {
    auto channel = [&](int shift) {
        int start = static_cast<int>((from >> shift) & 0xFF) << 8;
        int end = static_cast<int>((to >> shift) & 0xFF) << 8;
        return (start + (end - start) * column / width) >> 8;
    };
    return RGB(channel(0), channel(8), channel(16));
}

TEST_F(NonClientTest, FrameRingsAndCaptionGradientFollowActivation) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 100, 100, 405, 238);
    ASSERT_NE(top, nullptr);
    Pump();
    struct Pixel {
        int x;
        int y;
        int color;
    };
    for (Pixel p : {Pixel{0, 10, COLOR_3DLIGHT}, Pixel{1, 10, COLOR_BTNHIGHLIGHT},
                    Pixel{2, 10, COLOR_BTNFACE}, Pixel{200, 21, COLOR_BTNFACE},
                    Pixel{200, 235, COLOR_BTNFACE}, Pixel{200, 236, COLOR_BTNSHADOW},
                    Pixel{200, 237, COLOR_3DDKSHADOW}, Pixel{404, 100, COLOR_3DDKSHADOW}}) {
        EXPECT_EQ(host_->ScreenPixel(100 + p.x, 100 + p.y), GetSysColor(p.color))
            << "at " << p.x << ", " << p.y;
    }
    for (int column : {0, 199, 398}) {
        EXPECT_EQ(host_->ScreenPixel(100 + 3 + column, 100 + 10),
                  GradientAt(GetSysColor(COLOR_ACTIVECAPTION),
                             GetSysColor(COLOR_GRADIENTACTIVECAPTION), column, 399))
            << "active caption column " << column;
    }
    HWND other = Create("other", WS_POPUP | WS_VISIBLE, 600, 500, 50, 50);
    Pump();
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(host_->ScreenPixel(100 + 3 + 199, 100 + 20),
              GradientAt(GetSysColor(COLOR_INACTIVECAPTION),
                         GetSysColor(COLOR_GRADIENTINACTIVECAPTION), 199, 399));
}

}  // namespace
}  // namespace layer::user::testing
