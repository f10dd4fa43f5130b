// Ending the program: Esc, the close box, Alt+F4, the system menu's Close and log-off each end it
// with exit code 0 and run the exit hook once after the window is gone; Shift+Esc does not.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/testing/scenario.h"
#include "tests/app/quorvane_run.h"

namespace quorvane::testing {
namespace {

using layer::testing::kAlt;
using layer::testing::kShift;
using layer::testing::Scenario;
using layer::testing::Screen;

// The close box of the main window's caption on 1024 x 768.
constexpr POINT kCloseBox{701, 277};

struct CloseCase {
    const char* how;
    std::function<void(Scenario&)> close;
};

// Runs the program in a child, closes it the given way, and reports 0 when it ended with exit
// code 0 after running the exit hook exactly once with the window gone.
int CloseAndReport(const CloseCase& closing) {
    return ExitStatusOfChild([&] {
        Scenario scenario;
        closing.close(scenario);
        int result = -1;
        scenario.Run([&] { result = RunWithExitHook(); });
        if (result != 0) {
            return 10;
        }
        if (ExitHookRuns().runs != 1) {
            return 20 + ExitHookRuns().runs;
        }
        return ExitHookRuns().windowExistedAtRun ? 30 : 0;
    });
}

TEST(Closing, EveryWayOfClosingEndsWithCodeZeroAndOneExitHookRun) {
    const CloseCase cases[] = {
        {"Esc", [](Scenario& s) { s.Key(VK_ESCAPE); }},
        {"the close box", [](Scenario& s) { s.Click(kCloseBox.x, kCloseBox.y); }},
        {"Alt+F4", [](Scenario& s) { s.Key(VK_F4, kAlt); }},
        {"the system menu's Close", [](Scenario& s) { s.Key(VK_SPACE, kAlt).Key('C'); }},
        {"log-off",
         [](Scenario& s) {
             layer::host::InputEvent sessionEnd;
             sessionEnd.kind = layer::host::InputEvent::Kind::SessionEnd;
             s.Inject(sessionEnd, "log-off");
         }},
    };
    for (const CloseCase& closing : cases) {
        // 10: a non-zero exit code; 2x: x exit hook runs; 30: the hook ran before the window went.
        EXPECT_EQ(CloseAndReport(closing), 0) << "closed by " << closing.how;
    }
}

TEST(Closing, ShiftEscDoesNotClose) {
    Scenario scenario;
    bool openAfterShiftEsc = false;
    scenario.Key(VK_ESCAPE, kShift)
        .Check([&](Screen&) { openAfterShiftEsc = ::IsWindow(MainWindowHandle()) != FALSE; })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
    EXPECT_TRUE(openAfterShiftEsc);
}

}  // namespace
}  // namespace quorvane::testing
