// The keyboard and the focus on the headless screen: the focus starts in the entry and comes back
// to the control that had it after switching away; Tab and Shift+Tab move it between the entry and
// the draw button only; Enter does nothing in either; Space on the button draws exactly once.
#include <gtest/gtest.h>

#include <string>

#include "platform/testing/scenario.h"
#include "tests/app/quorvane_run.h"
#include "window/form.h"

namespace quorvane::testing {
namespace {

using layer::testing::kShift;
using layer::testing::Scenario;
using layer::testing::Screen;

std::string FocusName(Screen& screen) {
    HWND focus = screen.Focus();
    if (focus == ControlHandle(kHeadCountEntry)) {
        return "编辑框1";
    }
    if (focus == ControlHandle(kDrawButton)) {
        return "按钮1";
    }
    return focus == nullptr ? "nothing" : "another window";
}

Scenario& ExpectFocus(Scenario& scenario, const std::string& name, const std::string& after) {
    return scenario.Check(
        [name, after](Screen& screen) { EXPECT_EQ(FocusName(screen), name) << "after " << after; });
}

layer::host::InputEvent FocusChange(layer::host::InputEvent::Kind kind) {
    layer::host::InputEvent event;
    event.kind = kind;
    event.window = MainWindowHandle();
    return event;
}

TEST(KeysAndFocus, TabAndShiftTabMoveBetweenTheEntryAndTheButtonOnly) {
    Scenario scenario;
    ExpectFocus(scenario, "编辑框1", "start");
    scenario.Key(VK_TAB);
    ExpectFocus(scenario, "按钮1", "Tab");
    scenario.Key(VK_TAB);
    ExpectFocus(scenario, "编辑框1", "Tab, Tab");
    scenario.Key(VK_TAB, kShift);
    ExpectFocus(scenario, "按钮1", "Shift+Tab from the entry");
    scenario.Key(VK_TAB, kShift);
    ExpectFocus(scenario, "编辑框1", "Shift+Tab from the button");
    scenario.Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

TEST(KeysAndFocus, SwitchingAwayAndBackReturnsTheFocusToTheControlThatHadIt) {
    using Kind = layer::host::InputEvent::Kind;
    Scenario scenario;
    for (const char* expected : {"编辑框1", "按钮1"}) {
        scenario.Check([](Screen&) {})
            .Inject(FocusChange(Kind::FocusLost), "switch to another application")
            .Inject(FocusChange(Kind::FocusGained), "switch back");
        ExpectFocus(scenario, expected, "switching away and back");
        scenario.Key(VK_TAB);
    }
    scenario.Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

TEST(KeysAndFocus, EnterDoesNothingInTheEntryNorOnTheButton) {
    Scenario scenario;
    scenario.Type("10").Key(VK_RETURN);
    ExpectFocus(scenario, "编辑框1", "Enter in the entry");
    scenario.Key(VK_TAB).Key(VK_RETURN);
    ExpectFocus(scenario, "按钮1", "Enter on the button");
    scenario
        .Check([](Screen& screen) {
            EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "") << "Enter drew a number";
            EXPECT_EQ(screen.Text(ControlHandle(kHeadCountEntry)), "10");
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

TEST(KeysAndFocus, SpaceOnTheButtonDrawsOnce) {
    // With the seed offset still 0 (this test runs in a process of its own) and the tick count at
    // 1000, one draw from 1 to 10 shows "5"; a second draw in the same millisecond shows "9".
    Scenario scenario;
    scenario.SetTickCount(1000).Type("10").Key(VK_TAB).Key(VK_SPACE).Check([](Screen& screen) {
        EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "5") << "one Space, one draw";
    });
    scenario.Key(VK_SPACE).Check([](Screen& screen) {
        EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "9") << "the second draw";
    });
    scenario.Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

}  // namespace
}  // namespace quorvane::testing
