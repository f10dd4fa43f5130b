// The XP look on the headless screen, in scheme 2 as the program switches it on: 按钮1 in each of
// its states, both group boxes, 编辑框1, the labels left alone, the prompt's OK button, switching
// schemes and switching off, and the buttons the look passes over.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/xp_look.h"
#include "platform/testing/scenario.h"
#include "tests/app/quorvane_run.h"
#include "window/form.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

constexpr COLORREF kButtonFace = RGB(212, 208, 200);
constexpr COLORREF kOlive = RGB(55, 98, 6);
constexpr COLORREF kGroupFrame = RGB(191, 184, 191);
constexpr COLORREF kOrangeTop = RGB(255, 240, 207);
constexpr COLORREF kBeige = RGB(239, 227, 206);

// 按钮1 on the 1024 x 768 screen: 96 x 104 pixels from (608, 383).
constexpr POINT kButton{kClientOrigin.x + 296, kClientOrigin.y + 96};
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 104;
constexpr POINT kButtonCentre{kButton.x + 48, kButton.y + 52};
// A point of the main window's own background, away from every control.
constexpr POINT kAway{kClientOrigin.x + 292, kClientOrigin.y + 208};

// What a check changes directly reaches the screen when the program next waits for input; a small
// move of the pointer over the main window's own background lets it get there.
Scenario& Settle(Scenario& scenario) {
    static int step = 0;
    step = 1 - step;
    return scenario.Move(kAway.x + step, kAway.y);
}

std::string Describe(COLORREF colour) {
    return "RGB(" + std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) +
           "," + std::to_string(GetBValue(colour)) + ")";
}

#define EXPECT_PIXEL(screen, x, y, expected)                          \
    EXPECT_EQ(Describe((screen).Pixel((x), (y))), Describe(expected)) \
        << "at (" << (x) << "," << (y) << ")"

RECT ScreenRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

// The bounding box of the text's ink: pixels whose channels add up to less than the limit.
RECT InkBounds(Screen& screen, const RECT& area, int limit = 3 * 128) {
    RECT bounds{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF colour = screen.Pixel(x, y);
            if (GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < limit) {
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1),
                          std::max<LONG>(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds;
}

std::vector<COLORREF> Area(Screen& screen, const RECT& area) {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            pixels.push_back(screen.Pixel(x, y));
        }
    }
    return pixels;
}

HWND ChildButton(HWND parent) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof(name));
        if (std::string(name) == "Button") {
            return child;
        }
    }
    return nullptr;
}

// The push button look whose rectangle starts at (left, top): ring, border, cut corners.
void ExpectPushButtonFrame(Screen& screen, const RECT& rect, COLORREF border) {
    const int middle = (rect.left + rect.right) / 2;
    EXPECT_PIXEL(screen, rect.left, rect.top, kButtonFace);
    EXPECT_PIXEL(screen, middle, rect.top, kButtonFace);
    EXPECT_PIXEL(screen, middle, rect.top + 1, border);
    EXPECT_PIXEL(screen, rect.left + 1, (rect.top + rect.bottom) / 2, border);
    EXPECT_PIXEL(screen, rect.left + 1, rect.top + 1, kButtonFace);
    EXPECT_PIXEL(screen, rect.left + 2, rect.top + 2, border);
    EXPECT_PIXEL(screen, rect.right - 2, rect.bottom - 2, kButtonFace);
    EXPECT_PIXEL(screen, rect.right - 3, rect.bottom - 3, border);
}

// Whether row y of the rectangle from x = left + 3 to right - 4 alternates pixel by pixel, as the
// dotted focus rectangle leaves it over a band of one colour per row.
bool RowIsDotted(Screen& screen, const RECT& rect, int y) {
    for (int x = rect.left + 3; x < rect.right - 4; ++x) {
        if (screen.Pixel(x, y) == screen.Pixel(x + 1, y)) {
            return false;
        }
    }
    return true;
}

// The row of a group box's top frame line: the first row of its right-hand column in the frame
// colour.
int FrameTop(Screen& screen, const RECT& box) {
    for (int y = box.top; y < box.bottom; ++y) {
        if (screen.Pixel(box.right - 1, y + 3) == kGroupFrame &&
            screen.Pixel(box.right - 20, y) == kGroupFrame) {
            return y;
        }
    }
    return -1;
}

void ExpectGroupBoxLook(Screen& screen, HWND groupBox) {
    const RECT box = ScreenRect(groupBox);
    const int top = FrameTop(screen, box);
    ASSERT_GT(top, box.top) << "no grey frame line found";
    const int t = top - box.top;
    EXPECT_LT(t, 12);
    // The frame and its rounded corners.
    EXPECT_PIXEL(screen, box.left, top + 3, kGroupFrame);
    EXPECT_PIXEL(screen, box.left + 20, box.bottom - 1, kGroupFrame);
    for (int along = 0; along <= 2; ++along) {
        EXPECT_PIXEL(screen, box.left + along, top, kButtonFace);
        EXPECT_PIXEL(screen, box.left, top + along, kButtonFace);
        EXPECT_PIXEL(screen, box.right - 1 - along, box.bottom - 1, kButtonFace);
    }
    EXPECT_PIXEL(screen, box.left + 2, top + 1, kGroupFrame);
    EXPECT_PIXEL(screen, box.left + 1, top + 2, kGroupFrame);
    // The gap for the caption starts at x = 8, and the caption lies in it, black on the button
    // face.
    EXPECT_PIXEL(screen, box.left + 7, top, kGroupFrame);
    EXPECT_PIXEL(screen, box.left + 8, top, kButtonFace);
    const RECT ink = InkBounds(screen, {box.left, box.top, box.right, top + t + 2});
    ASSERT_LT(ink.left, ink.right) << "the caption shows no ink";
    EXPECT_GE(ink.left, box.left + 9);
    EXPECT_LT(ink.left, box.left + 13);
    EXPECT_EQ(screen.Pixel(ink.right, top), kButtonFace) << "the gap ends before the caption";
}

// Each test starts with the look off, as a new process does.
class XpLookScenario : public ::testing::Test {
  protected:
    void SetUp() override { SetXpLook(0); }
    void TearDown() override { SetXpLook(0); }
};

TEST_F(XpLookScenario, RestylesTheButtonTheGroupBoxesAndTheEntryBeforeTheWindowShows) {
    Scenario scenario;
    scenario
        .Check([](Screen& screen) {
            EXPECT_TRUE(XpLookIsOn());
            EXPECT_EQ(CurrentXpLookScheme(), 2);
            const RECT button = ScreenRect(ControlHandle(kDrawButton));
            EXPECT_EQ(button.left, kButton.x);
            EXPECT_EQ(button.top, kButton.y);
            ExpectPushButtonFrame(screen, button, kOlive);
            EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, RGB(255, 255, 255));
            EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 4, RGB(252, 252, 251));
            const COLORREF bandBottom =
                screen.Pixel(kButtonCentre.x, kButton.y + kButtonHeight - 3);
            EXPECT_NEAR(GetRValue(bandBottom), 226, 1) << Describe(bandBottom);
            EXPECT_NEAR(GetGValue(bandBottom), 223, 1) << Describe(bandBottom);
            EXPECT_NEAR(GetBValue(bandBottom), 214, 1) << Describe(bandBottom);
            const COLORREF faceBottom = screen.Pixel(kButton.x + 10, kButton.y + kButtonHeight - 5);
            EXPECT_NEAR(GetRValue(faceBottom), 236, 1) << Describe(faceBottom);
            EXPECT_NEAR(GetGValue(faceBottom), 225, 1) << Describe(faceBottom);
            EXPECT_NEAR(GetBValue(faceBottom), 201, 1) << Describe(faceBottom);
            EXPECT_FALSE(RowIsDotted(screen, button, kButton.y + 3))
                << "focus rectangle without focus";

            const RECT entry = ScreenRect(ControlHandle(kHeadCountEntry));
            EXPECT_PIXEL(screen, entry.left + 20, entry.top, RGB(164, 185, 127));
            EXPECT_PIXEL(screen, entry.left, entry.top + 10, RGB(164, 185, 127));
            EXPECT_PIXEL(screen, entry.right - 1, entry.bottom - 1, RGB(164, 185, 127));
            EXPECT_PIXEL(screen, entry.left + 20, entry.top + 1, RGB(255, 255, 255));
            EXPECT_PIXEL(screen, entry.right - 2, entry.top + 10, RGB(255, 255, 255));

            for (uint32_t group : {kResultGroup, kHeadCountGroup}) {
                SCOPED_TRACE(group == kResultGroup ? "分组框1" : "分组框2");
                ExpectGroupBoxLook(screen, ControlHandle(group));
            }
            EXPECT_FALSE(XpLookRestyles(MainWindowHandle()));
            EXPECT_FALSE(XpLookRestyles(ControlHandle(kUnitLabel)));
            EXPECT_FALSE(XpLookRestyles(ControlHandle(kResultLabel)));
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

TEST_F(XpLookScenario, TheBandTurnsOrangeWhileTheMouseIsOverTheButtonButNotWhenItArrivesHeld) {
    Scenario scenario;
    auto expectBand = [&](COLORREF colour, const char* when) {
        scenario.Check([colour, when](Screen& screen) {
            EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, colour) << when;
        });
    };
    scenario.Move(kButtonCentre.x, kButtonCentre.y);
    expectBand(kOrangeTop, "mouse over the button");
    scenario.Move(kAway.x, kAway.y);
    expectBand(RGB(255, 255, 255), "mouse moved away");
    scenario.Press(kAway.x, kAway.y).Move(kButtonCentre.x, kButtonCentre.y);
    expectBand(RGB(255, 255, 255), "arrived with the left button held");
    scenario.Release(kButtonCentre.x, kButtonCentre.y).Move(kAway.x, kAway.y).Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

TEST_F(XpLookScenario, PressingShowsTheFlatBeigeButtonAndAClickLeavesItFocused) {
    Scenario scenario;
    RECT normalInk{};
    const RECT face{kButton.x + 5, kButton.y + 5, kButton.x + kButtonWidth - 5,
                    kButton.y + kButtonHeight - 5};
    scenario.Type("5").Move(kButtonCentre.x, kButtonCentre.y).Check([&](Screen& screen) {
        normalInk = InkBounds(screen, face);
    });
    scenario.Press(kButtonCentre.x, kButtonCentre.y).Check([&](Screen& screen) {
        EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, kBeige);
        EXPECT_PIXEL(screen, kButton.x + 2, kButton.y + 50, kBeige);
        EXPECT_PIXEL(screen, kButton.x + 10, kButton.y + 10, kBeige);
        EXPECT_PIXEL(screen, kButton.x + 10, kButton.y + kButtonHeight - 10, kBeige);
        const RECT pressedInk = InkBounds(screen, face);
        ASSERT_LT(normalInk.left, normalInk.right) << "the caption shows no ink";
        EXPECT_EQ(pressedInk.left, normalInk.left + 1);
        EXPECT_EQ(pressedInk.top, normalInk.top + 1);
        EXPECT_EQ(pressedInk.right, normalInk.right + 1);
        EXPECT_EQ(pressedInk.bottom, normalInk.bottom + 1);
    });
    scenario.Release(kButtonCentre.x, kButtonCentre.y)
        .Move(kAway.x, kAway.y)
        .Check([](Screen& screen) {
            // Focused after the click: the orange band and the dotted rectangle 3 px inside.
            EXPECT_EQ(screen.Focus(), ControlHandle(kDrawButton));
            const RECT button = ScreenRect(ControlHandle(kDrawButton));
            EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, kOrangeTop);
            EXPECT_TRUE(RowIsDotted(screen, button, kButton.y + 3));
            EXPECT_TRUE(RowIsDotted(screen, button, kButton.y + kButtonHeight - 4));
            EXPECT_FALSE(RowIsDotted(screen, button, kButton.y + 2));
            EXPECT_FALSE(RowIsDotted(screen, button, kButton.y + 4));
        });
    scenario.Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

TEST_F(XpLookScenario, ADisabledButtonIsFlatWithADarkerBorderAndAGreyCaption) {
    Scenario scenario;
    scenario.Check([](Screen&) { ::EnableWindow(ControlHandle(kDrawButton), FALSE); });
    Settle(scenario).Check([](Screen& screen) {
        // The border is the button face minus 0x202020, the pixels inside the corners minus
        // 0x151515 and those beside them minus 0x111111.
        EXPECT_PIXEL(screen, kButton.x, kButton.y, kButtonFace);
        EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 1, RGB(180, 176, 168));
        EXPECT_PIXEL(screen, kButton.x + 1, kButtonCentre.y, RGB(180, 176, 168));
        EXPECT_PIXEL(screen, kButton.x + 1, kButton.y + 1, kButtonFace);
        EXPECT_PIXEL(screen, kButton.x + 2, kButton.y + 2, RGB(191, 187, 179));
        EXPECT_PIXEL(screen, kButton.x + 1, kButton.y + 2, RGB(195, 191, 183));
        EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, RGB(245, 244, 234));
        EXPECT_PIXEL(screen, kButton.x + 10, kButton.y + 10, RGB(245, 244, 234));
        const RECT face{kButton.x + 4, kButton.y + 4, kButton.x + kButtonWidth - 4,
                        kButton.y + kButtonHeight - 4};
        EXPECT_LT(InkBounds(screen, face, 3 * 230).left, face.right) << "no caption";
        EXPECT_EQ(InkBounds(screen, face, 165 + 162 + 148).left, face.right)
            << "ink darker than RGB(165,162,148)";
        ::EnableWindow(ControlHandle(kDrawButton), TRUE);
    });
    Settle(scenario)
        .Check([](Screen& screen) {
            EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 1, kOlive);
            EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, RGB(255, 255, 255));
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

TEST_F(XpLookScenario, ThePromptsOkButtonIsRestyledAsTheFocusedDefaultButton) {
    Scenario scenario;
    scenario.Click(kButtonCentre.x, kButtonCentre.y)
        .Check([](Screen& screen) {
            HWND prompt = TopLevelWithText("信息：");
            ASSERT_NE(prompt, nullptr);
            HWND ok = ChildButton(prompt);
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(XpLookRestyles(ok));
            EXPECT_EQ(screen.Focus(), ok);
            const RECT rect = ScreenRect(ok);
            ExpectPushButtonFrame(screen, rect, kOlive);
            EXPECT_PIXEL(screen, (rect.left + rect.right) / 2, rect.top + 2, kOrangeTop);
            EXPECT_TRUE(RowIsDotted(screen, rect, rect.top + 3));
            // The box itself keeps its own look.
            EXPECT_FALSE(XpLookRestyles(prompt));
        })
        .Key(VK_RETURN)
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

TEST_F(XpLookScenario, SwitchingSchemesRepaintsAtOnceAndSwitchingOffRestoresEverything) {
    Scenario scenario;
    const RECT unitLabel{kClientOrigin.x + 368, kClientOrigin.y + 40, kClientOrigin.x + 384,
                         kClientOrigin.y + 72};
    std::vector<COLORREF> labelsBefore;
    auto labels = [unitLabel](Screen& screen) {
        std::vector<COLORREF> pixels = Area(screen, unitLabel);
        const std::vector<COLORREF> result = Area(screen, kResultArea);
        pixels.insert(pixels.end(), result.begin(), result.end());
        return pixels;
    };
    scenario.Check([&](Screen& screen) {
        labelsBefore = labels(screen);
        EXPECT_EQ(SetXpLook(3), 1);
    });
    Settle(scenario).Check([](Screen& screen) {
        EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 1, RGB(0, 60, 116));
        EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, RGB(255, 255, 255));
        const RECT entry = ScreenRect(ControlHandle(kHeadCountEntry));
        EXPECT_PIXEL(screen, entry.left + 20, entry.top, RGB(198, 197, 215));
        ExpectGroupBoxLook(screen, ControlHandle(kHeadCountGroup));
    });
    scenario.Key(VK_TAB).Check([](Screen& screen) {
        // Focused in scheme 3: the blue band.
        EXPECT_PIXEL(screen, kButtonCentre.x, kButton.y + 2, RGB(206, 231, 255));
        EXPECT_NE(SetXpLook(0), 0);
        EXPECT_FALSE(XpLookIsOn());
    });
    Settle(scenario).Check([&](Screen& screen) {
        for (uint32_t control : {kDrawButton, kHeadCountEntry, kHeadCountGroup, kResultGroup}) {
            EXPECT_FALSE(XpLookRestyles(ControlHandle(control))) << std::hex << control;
        }
        EXPECT_NE(Describe(screen.Pixel(kButtonCentre.x, kButton.y + 1)),
                  Describe(RGB(0, 60, 116)));
        EXPECT_NE(Describe(screen.Pixel(kButtonCentre.x, kButton.y + 2)),
                  Describe(RGB(206, 231, 255)));
        const RECT entry = ScreenRect(ControlHandle(kHeadCountEntry));
        EXPECT_NE(Describe(screen.Pixel(entry.left + 20, entry.top)), Describe(RGB(198, 197, 215)));
        EXPECT_TRUE(labels(screen) == labelsBefore) << "the labels changed with the look";
        EXPECT_EQ(SetXpLook(0), 0);
        EXPECT_EQ(CurrentXpLookScheme(), 0);
    });
    // Space on the focused button with an empty entry brings up the prompt.
    scenario.Key(VK_SPACE)
        .Check([](Screen& screen) {
            HWND prompt = TopLevelWithText("信息：");
            ASSERT_NE(prompt, nullptr);
            HWND ok = ChildButton(prompt);
            ASSERT_NE(ok, nullptr);
            EXPECT_FALSE(XpLookRestyles(ok));
            const RECT rect = ScreenRect(ok);
            EXPECT_NE(Describe(screen.Pixel((rect.left + rect.right) / 2, rect.top + 1)),
                      Describe(kOlive));
        })
        .Key(VK_RETURN)
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

TEST_F(XpLookScenario, PassesOverTheBareTabStopButtonAndBitmapButtons) {
    Scenario scenario;
    scenario
        .Check([](Screen&) {
            struct Case {
                const char* name;
                const char* text;
                DWORD style;
                bool restyled;
            };
            const Case cases[] = {
                {"text-less WS_CHILD | WS_TABSTOP", "", 0x40010000, false},
                {"BS_BITMAP", "picture", WS_CHILD | WS_VISIBLE | BS_BITMAP, false},
                {"the same style with a text", "OK", 0x40010000, true},
                {"a text-less visible push button", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, true},
            };
            HWND main = MainWindowHandle();
            for (const Case& c : cases) {
                SCOPED_TRACE(c.name);
                HWND created = ::CreateWindowExA(0, "Button", c.text, c.style, 4, 4, 40, 20, main,
                                                 nullptr, nullptr, nullptr);
                ASSERT_NE(created, nullptr);
                EXPECT_EQ(XpLookRestyles(created), c.restyled) << "when created";
                // Switching on again visits the existing window with the same answer.
                SetXpLook(2);
                EXPECT_EQ(XpLookRestyles(created), c.restyled) << "when visited";
                ::DestroyWindow(created);
                EXPECT_FALSE(XpLookRestyles(created)) << "record left after destruction";
            }
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

// A procedure placed in front of a restyled button after the look, counting one test message.
WNDPROC buttonProcedureBehindTest = nullptr;
int testMessagesSeen = 0;
constexpr UINT kTestMessage = WM_USER + 77;

LRESULT CALLBACK CountTestMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTestMessage) {
        ++testMessagesSeen;
    }
    return ::CallWindowProcA(buttonProcedureBehindTest, window, message, wParam, lParam);
}

TEST_F(XpLookScenario, AButtonSubclassedAfterTheLookSurvivesSwitchingOffAndOn) {
    Scenario scenario;
    HWND button = nullptr;
    RECT rect{};
    scenario.Check([&](Screen&) {
        button = ::CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 20, 30, 60, 24,
                                   MainWindowHandle(), nullptr, nullptr, nullptr);
        ASSERT_TRUE(XpLookRestyles(button));
        buttonProcedureBehindTest = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
            button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountTestMessages)));
        rect = ScreenRect(button);
        EXPECT_EQ(SetXpLook(0), 1);
        EXPECT_FALSE(XpLookRestyles(button));
    });
    Settle(scenario).Check([&](Screen& screen) {
        EXPECT_NE(Describe(screen.Pixel(rect.left + 30, rect.top + 1)), Describe(kOlive));
        EXPECT_EQ(SetXpLook(2), 1);
        EXPECT_TRUE(XpLookRestyles(button));
    });
    Settle(scenario)
        .Check([&](Screen& screen) {
            EXPECT_PIXEL(screen, rect.left + 30, rect.top + 1, kOlive);
            testMessagesSeen = 0;
            ::SendMessageA(button, kTestMessage, 0, 0);
            EXPECT_EQ(testMessagesSeen, 1);
            ::DestroyWindow(button);
            EXPECT_FALSE(XpLookRestyles(button));
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
}

}  // namespace
}  // namespace quorvane::testing
