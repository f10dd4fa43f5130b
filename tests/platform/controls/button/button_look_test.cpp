// The classic look of buttons and group boxes, pixel by pixel: the bevels in their system colours,
// the default button's frame, the pressed offset, the focus rectangle, embossed disabled text, the
// etched group frame and the brushes the parent answers.
#include <gtest/gtest.h>

#include <functional>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "tests/platform/controls/button/control_test_window.h"

namespace layer::testing {
namespace {

constexpr RECT kParentRect{100, 100, 500, 400};

struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

// The bounding box of the dark (text) pixels inside a control's rectangle, in its coordinates.
Ink DarkInk(Screen& screen, const RECT& control, int inset) {
    Ink ink;
    for (int y = control.top + inset; y < control.bottom - inset; ++y) {
        for (int x = control.left + inset; x < control.right - inset; ++x) {
            const COLORREF color = screen.Pixel(kParentRect.left + x, kParentRect.top + y);
            if (GetRValue(color) < 100 && GetGValue(color) < 100 && GetBValue(color) < 100) {
                ink.left = std::min(ink.left, x - static_cast<int>(control.left));
                ink.right = std::max(ink.right, x - static_cast<int>(control.left));
                ink.top = std::min(ink.top, y - static_cast<int>(control.top));
                ink.bottom = std::max(ink.bottom, y - static_cast<int>(control.top));
            }
        }
    }
    return ink;
}

// Within a few steps of the colour on every channel: text edges are smoothed.
bool Near(COLORREF color, COLORREF wanted) {
    auto close = [](int a, int b) { return std::abs(a - b) <= 8; };
    return close(GetRValue(color), GetRValue(wanted)) &&
           close(GetGValue(color), GetGValue(wanted)) && close(GetBValue(color), GetBValue(wanted));
}

COLORREF PixelIn(Screen& screen, const RECT& control, int x, int y) {
    return screen.Pixel(kParentRect.left + control.left + x, kParentRect.top + control.top + y);
}

// Shows a parent with the controls the setup creates, runs the check on the screen, and ends.
void ShowAndCheck(const std::function<void(HWND parent)>& setup,
                  const std::function<void(Screen&)>& check, HBRUSH answer = nullptr) {
    HWND parent = nullptr;
    Scenario s;
    s.Check(check);
    EndProgram(s);
    s.Run([&] {
        parent = CreateControlParent(kParentRect);
        Parent().answerBrush = answer;
        setup(parent);
        RunProgramLoop(parent);
    });
}

struct EdgePoint {
    int x;
    int y;
    int colorIndex;
};

TEST(ButtonLook, PushButtonBevelsUseTheSystemColoursAtTheirPlaces) {
    constexpr RECT kPush{10, 10, 85, 33};
    constexpr RECT kDefault{100, 10, 175, 33};
    constexpr RECT kPressed{190, 10, 265, 33};
    // Raised: highlight then light at the top and left, dark shadow then shadow at the bottom
    // and right; the default button wraps that in a window-frame line; pressed swaps to sunken.
    const EdgePoint raised[] = {
        {0, 11, COLOR_BTNHIGHLIGHT}, {1, 11, COLOR_3DLIGHT},      {74, 11, COLOR_3DDKSHADOW},
        {73, 11, COLOR_BTNSHADOW},   {37, 0, COLOR_BTNHIGHLIGHT}, {37, 1, COLOR_3DLIGHT},
        {37, 22, COLOR_3DDKSHADOW},  {37, 21, COLOR_BTNSHADOW},   {2, 11, COLOR_BTNFACE},
    };
    const EdgePoint framed[] = {
        {0, 11, COLOR_WINDOWFRAME},  {74, 11, COLOR_WINDOWFRAME}, {37, 0, COLOR_WINDOWFRAME},
        {37, 22, COLOR_WINDOWFRAME}, {1, 11, COLOR_BTNHIGHLIGHT}, {73, 11, COLOR_3DDKSHADOW},
        {72, 11, COLOR_BTNSHADOW},   {37, 1, COLOR_BTNHIGHLIGHT}, {37, 21, COLOR_3DDKSHADOW},
    };
    const EdgePoint sunken[] = {
        {0, 11, COLOR_3DDKSHADOW},    {1, 11, COLOR_BTNSHADOW},  {74, 11, COLOR_BTNHIGHLIGHT},
        {73, 11, COLOR_3DLIGHT},      {37, 0, COLOR_3DDKSHADOW}, {37, 1, COLOR_BTNSHADOW},
        {37, 22, COLOR_BTNHIGHLIGHT}, {37, 21, COLOR_3DLIGHT},
    };
    ShowAndCheck(
        [&](HWND parent) {
            CreateControl(parent, "Button", "OK", BS_PUSHBUTTON, kPush, 1);
            CreateControl(parent, "Button", "OK", BS_DEFPUSHBUTTON, kDefault, 2);
            HWND pressed = CreateControl(parent, "Button", "OK", BS_PUSHBUTTON, kPressed, 3);
            ::SendMessageA(pressed, BM_SETSTATE, TRUE, 0);
        },
        [&](Screen& screen) {
            auto expectAll = [&](const RECT& control, const auto& points, const char* name) {
                for (const EdgePoint& point : points) {
                    EXPECT_EQ(PixelIn(screen, control, point.x, point.y),
                              ::GetSysColor(point.colorIndex))
                        << name << " at (" << point.x << ", " << point.y << ")";
                }
            };
            expectAll(kPush, raised, "push button");
            expectAll(kDefault, framed, "default push button");
            expectAll(kPressed, sunken, "pressed push button");
        });
}

TEST(ButtonLook, TheCaptionMovesOnePixelDownAndRightWhilePressed) {
    constexpr RECT kPush{10, 10, 85, 33};
    constexpr RECT kPressed{100, 10, 175, 33};
    ShowAndCheck(
        [&](HWND parent) {
            CreateControl(parent, "Button", "OK", BS_PUSHBUTTON, kPush, 1);
            HWND pressed = CreateControl(parent, "Button", "OK", BS_PUSHBUTTON, kPressed, 2);
            ::SendMessageA(pressed, BM_SETSTATE, TRUE, 0);
        },
        [&](Screen& screen) {
            const Ink normal = DarkInk(screen, kPush, 3);
            const Ink pushed = DarkInk(screen, kPressed, 3);
            ASSERT_FALSE(normal.Empty());
            EXPECT_EQ(pushed.left, normal.left + 1);
            EXPECT_EQ(pushed.top, normal.top + 1);
            EXPECT_EQ(pushed.right - pushed.left, normal.right - normal.left);
            // Centred both ways in the 75 x 23 button.
            EXPECT_LE(std::abs(normal.left - (74 - normal.right)), 2)
                << "left " << normal.left << " right " << normal.right;
            EXPECT_LE(std::abs(normal.top - (22 - normal.bottom)), 2)
                << "top " << normal.top << " bottom " << normal.bottom;
        });
}

TEST(ButtonLook, TheFocusedButtonShowsADottedRectangleThreePixelsIn) {
    constexpr RECT kFocused{10, 10, 85, 33};
    constexpr RECT kPlain{100, 10, 175, 33};
    ShowAndCheck(
        [&](HWND parent) {
            HWND focused = CreateControl(parent, "Button", "", BS_PUSHBUTTON, kFocused, 1);
            CreateControl(parent, "Button", "", BS_PUSHBUTTON, kPlain, 2);
            ::SetFocus(focused);
        },
        [&](Screen& screen) {
            const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
            int dotted = 0;
            int gaps = 0;
            for (int y = 3; y <= 19; ++y) {
                (PixelIn(screen, kFocused, 3, y) != face ? dotted : gaps) += 1;
                EXPECT_EQ(PixelIn(screen, kFocused, 4, y), face) << "inside the rectangle, y " << y;
                EXPECT_EQ(PixelIn(screen, kPlain, 3, y), face) << "no focus, no rectangle";
            }
            EXPECT_GE(dotted, 7) << "every other pixel of the left side is drawn";
            EXPECT_GE(gaps, 7) << "and every other one is left";
            EXPECT_NE(PixelIn(screen, kFocused, 71, 11), face) << "the right side is at w - 4";
            EXPECT_EQ(PixelIn(screen, kFocused, 70, 11), face);
        });
}

TEST(ButtonLook, DisabledCaptionsAreEmbossedInGreyAndHighlight) {
    constexpr RECT kDisabled{10, 10, 85, 33};
    ShowAndCheck(
        [&](HWND parent) {
            CreateControl(parent, "Button", "OK", BS_PUSHBUTTON | WS_DISABLED, kDisabled, 1);
        },
        [&](Screen& screen) {
            int grey = 0;
            int highlight = 0;
            for (int y = 3; y < 20; ++y) {
                for (int x = 3; x < 72; ++x) {
                    const COLORREF color = PixelIn(screen, kDisabled, x, y);
                    grey += Near(color, ::GetSysColor(COLOR_GRAYTEXT));
                    highlight += Near(color, ::GetSysColor(COLOR_BTNHIGHLIGHT));
                }
            }
            EXPECT_GT(grey, 3) << "grey pixels";
            EXPECT_GT(highlight, 3) << "highlight pixels";
            EXPECT_TRUE(DarkInk(screen, kDisabled, 3).Empty()) << "no dark text";
        });
}

TEST(ButtonLook, MultilineCaptionsBreakAtWordsAndStayCentred) {
    constexpr RECT kTall{10, 10, 70, 114};
    ShowAndCheck(
        [&](HWND parent) {
            CreateControl(parent, "Button", "alpha beta gamma",
                          BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, kTall, 1);
        },
        [&](Screen& screen) {
            const Ink ink = DarkInk(screen, kTall, 3);
            ASSERT_FALSE(ink.Empty());
            EXPECT_GT(ink.bottom - ink.top, 24) << "the words stand on several lines";
            EXPECT_LE(std::abs(ink.top - (103 - ink.bottom)), 3)
                << "top " << ink.top << " bottom " << ink.bottom;
        });
}

TEST(ButtonLook, GroupBoxesDrawAnEtchedFrameWithTheCaptionInTheTopLine) {
    constexpr RECT kGroup{10, 10, 210, 130};
    HDC measuring = nullptr;
    TEXTMETRICA metrics{};
    ShowAndCheck(
        [&](HWND parent) {
            CreateControl(parent, "Button", "Group", BS_GROUPBOX, kGroup, 1);
            measuring = ::GetDC(parent);
            ::SelectObject(measuring, ::GetStockObject(DEFAULT_GUI_FONT));
            ::GetTextMetricsA(measuring, &metrics);
            ::ReleaseDC(parent, measuring);
        },
        [&](Screen& screen) {
            const int top = metrics.tmHeight / 2;
            const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
            const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
            EXPECT_EQ(PixelIn(screen, kGroup, 0, 60), shadow);
            EXPECT_EQ(PixelIn(screen, kGroup, 1, 60), highlight);
            EXPECT_EQ(PixelIn(screen, kGroup, 198, 60), shadow);
            EXPECT_EQ(PixelIn(screen, kGroup, 199, 60), highlight);
            EXPECT_EQ(PixelIn(screen, kGroup, 100, 118), shadow);
            EXPECT_EQ(PixelIn(screen, kGroup, 100, 119), highlight);
            EXPECT_EQ(PixelIn(screen, kGroup, 180, top), shadow) << "top line at half the font";
            EXPECT_EQ(PixelIn(screen, kGroup, 180, top + 1), highlight);
            EXPECT_EQ(PixelIn(screen, kGroup, 7, top), ::GetSysColor(COLOR_BTNFACE))
                << "the caption's gap";
            const Ink caption = DarkInk(screen, RECT{10, 10, 210, 10 + metrics.tmHeight}, 0);
            ASSERT_FALSE(caption.Empty());
            EXPECT_GE(caption.left, 8);
            EXPECT_LE(caption.left, 10);
        });
}

TEST(ButtonLook, ButtonsPaintOnTheBrushesTheirParentAnswers) {
    constexpr RECT kGroup{10, 10, 210, 130};
    constexpr RECT kPush{220, 10, 295, 33};
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
    ShowAndCheck(
        [&](HWND parent) {
            CreateControl(parent, "Button", "Group", BS_GROUPBOX, kGroup, 1);
            CreateControl(parent, "Button", "OK", BS_PUSHBUTTON, kPush, 2);
        },
        [&](Screen& screen) {
            EXPECT_GT(Parent().colorStaticQueries, 0) << "group boxes ask WM_CTLCOLORSTATIC";
            EXPECT_GT(Parent().colorButtonQueries, 0) << "push buttons ask WM_CTLCOLORBTN";
            EXPECT_EQ(PixelIn(screen, kGroup, 100, 60), RGB(255, 0, 0))
                << "the group box erases with the answer";
            EXPECT_EQ(PixelIn(screen, kPush, 8, 11), ::GetSysColor(COLOR_BTNFACE))
                << "a push button's face stays button-face";
        },
        red);
    ::DeleteObject(red);
}

}  // namespace
}  // namespace layer::testing
