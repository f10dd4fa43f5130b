// A person closing and moving a captioned window on the headless screen: the close box (with its
// pressed look following the pointer), Alt+F4 and the system menu's Close end the window; the
// caption drag and the keyboard Move place it where they should.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "tests/platform/controls/frame/frame_test_window.h"

namespace layer::testing {
namespace {

// Screen points on the test window at (100, 100): the close box spans (484, 105)-(500, 119).
constexpr POINT kCloseBox{492, 112};
constexpr POINT kCaption{250, 110};
constexpr POINT kIcon{110, 112};
// The system menu opened under the icon starts at (103, 122); "关闭" is its third row.
constexpr POINT kMenuClose{140, 160};
constexpr POINT kMenuMove{140, 134};

void RunWindow(Scenario& scenario, HWND* created = nullptr) {
    scenario.Run([created] {
        HWND window = CreateFrameWindow();
        ASSERT_NE(window, nullptr) << "error " << ::GetLastError();
        if (created != nullptr) {
            *created = window;
        }
        RunFrameLoop();
    });
}

struct CloseCase {
    const char* name;
    std::function<void(Scenario&)> steps;
};

class FrameClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(FrameClose, EndsTheWindowThroughWmClose) {
    Scenario s;
    GetParam().steps(s);
    HWND window = nullptr;
    RunWindow(s, &window);
    EXPECT_TRUE(Record().loopEnded);
    EXPECT_EQ(Record().count(WM_CLOSE), 1) << GetParam().name;
    EXPECT_FALSE(::IsWindow(window)) << GetParam().name;
    ASSERT_FALSE(Record().commands.empty());
    EXPECT_EQ(Record().commands.back() & 0xFFF0, static_cast<WPARAM>(SC_CLOSE));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FrameClose,
    ::testing::Values(
        CloseCase{"close box", [](Scenario& s) { s.Click(kCloseBox.x, kCloseBox.y); }},
        CloseCase{"Alt+F4", [](Scenario& s) { s.Key(VK_F4, kAlt); }},
        CloseCase{"Alt+Space then C",
                  [](Scenario& s) {
                      s.Key(VK_SPACE, kAlt)
                          .Check([](Screen& screen) {
                              EXPECT_NE(screen.WindowAt(kMenuClose.x, kMenuClose.y),
                                        screen.WindowAt(kCaption.x, kCaption.y))
                                  << "the menu is open over the window";
                          })
                          .Key('C');
                  }},
        CloseCase{"icon click then the Close item",
                  [](Scenario& s) { s.Click(kIcon.x, kIcon.y).Click(kMenuClose.x, kMenuClose.y); }},
        CloseCase{"right-click on the caption then Enter on Close",
                  [](Scenario& s) {
                      s.Click(kCaption.x, kCaption.y, MouseButton::Right)
                          .Key(VK_DOWN)
                          .Key(VK_DOWN)
                          .Key(VK_RETURN);
                  }}),
    [](const ::testing::TestParamInfo<CloseCase>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c))) {
                name += *c;
            }
        }
        return name;
    });

TEST(FrameCloseBox, PressedLookFollowsThePointerAndAReleaseOffTheBoxDoesNotClose) {
    const POINT bevel{484, 105};  // the box's top-left pixel
    const POINT away{300, 250};
    Scenario s;
    HWND window = nullptr;
    s.Press(kCloseBox.x, kCloseBox.y)
        .Check([&](Screen& screen) {
            EXPECT_EQ(screen.Pixel(bevel.x, bevel.y), ::GetSysColor(COLOR_BTNSHADOW))
                << "sunken while held";
            EXPECT_EQ(screen.Pixel(bevel.x + 1, bevel.y + 1), ::GetSysColor(COLOR_3DDKSHADOW));
            EXPECT_EQ(::GetCapture(), window);
        })
        .Move(away.x, away.y)
        .Check([&](Screen& screen) {
            EXPECT_EQ(screen.Pixel(bevel.x, bevel.y), ::GetSysColor(COLOR_3DLIGHT))
                << "raised with the pointer off the box";
        })
        .Move(kCloseBox.x, kCloseBox.y)
        .Check([&](Screen& screen) {
            EXPECT_EQ(screen.Pixel(bevel.x, bevel.y), ::GetSysColor(COLOR_BTNSHADOW));
        })
        .Release(away.x, away.y)
        .Check([&](Screen& screen) {
            EXPECT_TRUE(::IsWindow(window));
            EXPECT_EQ(Record().count(WM_CLOSE), 0);
            EXPECT_EQ(::GetCapture(), nullptr);
            EXPECT_EQ(screen.Pixel(bevel.x, bevel.y), ::GetSysColor(COLOR_3DLIGHT));
        })
        .Key(VK_F4, kAlt);
    RunWindow(s, &window);
    EXPECT_EQ(Record().count(WM_CLOSE), 1);
}

TEST(FrameCloseBox, AGreyedCloseBoxDoesNotClose) {
    Scenario s;
    HWND window = nullptr;
    s.Check([&](Screen&) {
         ::EnableMenuItem(::GetSystemMenu(window, FALSE), SC_CLOSE, MF_GRAYED);
         ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
     })
        .Check([](Screen& screen) {
            // The ×'s first stroke pixel at (4, 3) in the box is embossed grey.
            EXPECT_EQ(screen.Pixel(484 + 4, 105 + 3), ::GetSysColor(COLOR_BTNSHADOW));
        })
        .Click(kCloseBox.x, kCloseBox.y)
        .Check([&](Screen&) {
            EXPECT_TRUE(::IsWindow(window));
            EXPECT_EQ(Record().count(WM_CLOSE), 0);
        })
        .Key(VK_F4, kAlt);
    RunWindow(s, &window);
}

TEST(FrameMove, DraggingTheCaptionMovesTheWindowByTheMouseDelta) {
    Scenario s;
    HWND window = nullptr;
    s.Press(kCaption.x, kCaption.y)
        .Move(kCaption.x + 30, kCaption.y + 20)
        .Move(kCaption.x + 57, kCaption.y + 41)
        .Check([&](Screen&) { EXPECT_EQ(::GetCapture(), window) << "held during the drag"; })
        .Release(kCaption.x + 57, kCaption.y + 41)
        .Check([&](Screen& screen) {
            RECT rect;
            ::GetWindowRect(window, &rect);
            EXPECT_EQ(rect.left, 157);
            EXPECT_EQ(rect.top, 141);
            EXPECT_EQ(rect.right - rect.left, 405);
            EXPECT_EQ(::GetCapture(), nullptr);
            EXPECT_EQ(screen.WindowAt(157 + 10, 141 + 10), window);
            EXPECT_EQ(screen.Pixel(157 + 3, 141 + 3), ::GetSysColor(COLOR_ACTIVECAPTION))
                << "the caption's first gradient pixel moved along";
            EXPECT_NE(screen.WindowAt(100 + 10, 100 + 10), window) << "the old place is uncovered";
            EXPECT_EQ(Record().count(WM_ENTERSIZEMOVE), 1);
            EXPECT_EQ(Record().count(WM_EXITSIZEMOVE), 1);
            EXPECT_GE(Record().count(WM_MOVING), 2);
        })
        .Key(VK_F4, kAlt);
    RunWindow(s, &window);
}

TEST(FrameMove, KeyboardMoveStepsEightPixelsEnterKeepsAndEscGoesBack) {
    Scenario s;
    HWND window = nullptr;
    auto expectAt = [&](LONG left, LONG top) {
        return [&window, left, top](Screen& screen) {
            RECT rect;
            ::GetWindowRect(window, &rect);
            EXPECT_EQ(rect.left, left);
            EXPECT_EQ(rect.top, top);
            EXPECT_EQ(screen.WindowAt(left + 10, top + 10), window);
        };
    };
    s.Key(VK_SPACE, kAlt)
        .Key('M')
        .Key(VK_RIGHT)
        .Key(VK_RIGHT)
        .Key(VK_DOWN)
        .Check(expectAt(116, 108))
        .Key(VK_RETURN)
        .Check(expectAt(116, 108))
        .Click(kIcon.x + 16, kIcon.y + 8)  // the icon, now 16 right and 8 down
        .Click(kMenuMove.x + 16, kMenuMove.y + 8)
        .Key(VK_LEFT)
        .Key(VK_UP)
        .Key(VK_UP)
        .Check(expectAt(108, 92))
        .Key(VK_ESCAPE)
        .Check(expectAt(116, 108))
        .Check([&](Screen&) {
            EXPECT_EQ(Record().count(WM_ENTERSIZEMOVE), 2);
            EXPECT_EQ(Record().count(WM_EXITSIZEMOVE), 2);
            EXPECT_EQ(::GetCapture(), nullptr);
        })
        .Key(VK_F4, kAlt);
    RunWindow(s, &window);
}

}  // namespace
}  // namespace layer::testing
