// The classic caption's pixels on the headless screen: the gradient's ends, the close box's
// bevel and ×, the icon and the bold title in the active and the inactive colours, and the
// default hit-test answers across the frame.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "tests/platform/controls/frame/frame_test_window.h"

namespace layer::testing {
namespace {

// Window coordinates of the 405 x 238 test window: frame 3, caption rows 3..20, close box
// (384, 5)-(400, 19), icon (5, 4)-(21, 20), title from x 23.
constexpr int kCaptionRow = 10;

bool Near(COLORREF actual, COLORREF expected, int tolerance) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

// How many pixels of the title band show the colour.
int CountInTitle(Screen& screen, HWND window, COLORREF color) {
    int found = 0;
    for (int y = 4; y < 20; ++y) {
        for (int x = 23; x < 380; ++x) {
            POINT at = OnWindow(window, x, y);
            found += screen.Pixel(at.x, at.y) == color ? 1 : 0;
        }
    }
    return found;
}

void CheckCaption(Screen& screen, HWND window, bool active) {
    auto pixel = [&](int x, int y) {
        POINT at = OnWindow(window, x, y);
        return screen.Pixel(at.x, at.y);
    };
    COLORREF from = ::GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF to =
        ::GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    EXPECT_EQ(pixel(3, 3), from) << "the gradient's left end";
    EXPECT_EQ(pixel(3, 21), ::GetSysColor(COLOR_BTNFACE)) << "the line under the caption";
    EXPECT_TRUE(Near(pixel(401, kCaptionRow), to, 2))
        << "the gradient's right end, right of the close box: " << std::hex
        << pixel(401, kCaptionRow) << " against " << to;
    EXPECT_TRUE(
        Near(pixel(200, 3),
             RGB((GetRValue(from) + GetRValue(to)) / 2, (GetGValue(from) + GetGValue(to)) / 2,
                 (GetBValue(from) + GetBValue(to)) / 2),
             2))
        << "half-way along";

    // The close box: outer ring light and dark shadow, inner ring highlight and shadow, the ×
    // in button text from (388, 8), and face between its strokes.
    EXPECT_EQ(pixel(384, 5), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(385, 6), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(399, 18), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(398, 17), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(387, 12), ::GetSysColor(COLOR_BTNFACE));
    for (POINT stroke : {POINT{388, 8}, POINT{395, 8}, POINT{391, 11}, POINT{388, 14}}) {
        EXPECT_EQ(pixel(stroke.x, stroke.y), ::GetSysColor(COLOR_BTNTEXT))
            << "× at " << stroke.x << "," << stroke.y;
    }

    int iconPixels = 0;
    for (int y = 4; y < 20; ++y) {
        for (int x = 5; x < 21; ++x) {
            COLORREF gradient = pixel(x, 3);
            iconPixels += pixel(x, y) != gradient ? 1 : 0;
        }
    }
    EXPECT_GT(iconPixels, 40) << "the small icon is drawn at the caption's left";

    COLORREF text = ::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    EXPECT_GT(CountInTitle(screen, window, text), 40) << "the title in the caption text colour";
    if (!active) {
        EXPECT_EQ(CountInTitle(screen, window, ::GetSysColor(COLOR_CAPTIONTEXT)), 0)
            << "no active title colour on the inactive caption";
    }
}

TEST(FrameLook, ActiveAndInactiveCaptions) {
    Scenario s;
    HWND window = nullptr;
    HWND other = nullptr;
    s.Check([&](Screen& screen) { CheckCaption(screen, window, true); })
        .Check([&](Screen&) {
            other = CreateFrameWindow(WS_CAPTION | WS_SYSMENU, RECT{600, 400, 800, 500});
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(::GetActiveWindow(), other);
        })
        .Check([&](Screen& screen) { CheckCaption(screen, window, false); })
        .Key(VK_F4, kAlt);  // closes the other window, whose WM_DESTROY ends the loop
    s.Run([&] {
        window = CreateFrameWindow();
        ASSERT_NE(window, nullptr);
        RunFrameLoop();
    });
}

TEST(FrameLook, ALongTitleStopsBeforeTheCloseBox) {
    Scenario s;
    HWND window = nullptr;
    s.Check([&](Screen& screen) {
         ::SetWindowTextA(window, std::string(200, 'W').c_str());
         ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
         for (int y = 5; y < 19; ++y) {
             POINT gap = OnWindow(window, 383, y);
             EXPECT_NE(screen.Pixel(gap.x, gap.y), ::GetSysColor(COLOR_CAPTIONTEXT)) << y;
         }
         EXPECT_EQ(screen.Pixel(484 + 4, 105 + 3), ::GetSysColor(COLOR_BTNTEXT));
     }).Key(VK_F4, kAlt);
    s.Run([&] {
        window = CreateFrameWindow();
        ASSERT_NE(window, nullptr);
        RunFrameLoop();
    });
}

struct HitCase {
    DWORD style;
    POINT point;  // window coordinates
    LRESULT expected;
};

TEST(FrameHitTest, AnswersAcrossTheFrame) {
    const DWORD dialog = WS_CAPTION | WS_SYSMENU;
    const DWORD sizable = WS_OVERLAPPEDWINDOW;
    const HitCase cases[] = {
        {dialog, {200, 10}, HTCAPTION},    {dialog, {392, 12}, HTCLOSE},
        {dialog, {10, 10}, HTSYSMENU},     {dialog, {200, 100}, HTCLIENT},
        {dialog, {1, 100}, HTBORDER},      {dialog, {200, 236}, HTBORDER},
        {dialog, {200, 21}, HTNOWHERE},    {dialog, {-5, 10}, HTNOWHERE},
        {sizable, {1, 100}, HTLEFT},       {sizable, {403, 100}, HTRIGHT},
        {sizable, {1, 1}, HTTOPLEFT},      {sizable, {403, 236}, HTBOTTOMRIGHT},
        {sizable, {200, 1}, HTTOP},        {sizable, {391, 12}, HTCLOSE},
        {sizable, {370, 12}, HTMAXBUTTON}, {sizable, {355, 12}, HTMINBUTTON},
    };
    Scenario s;
    s.Run([&] {
        for (const HitCase& hit : cases) {
            HWND window = CreateFrameWindow(hit.style);
            ASSERT_NE(window, nullptr);
            POINT at = OnWindow(window, hit.point.x, hit.point.y);
            LRESULT answer = ::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
            EXPECT_EQ(answer, hit.expected) << "style " << std::hex << hit.style << std::dec
                                            << " at " << hit.point.x << "," << hit.point.y;
            ::DestroyWindow(window);
            MSG message;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            }
        }
    });
}

}  // namespace
}  // namespace layer::testing
