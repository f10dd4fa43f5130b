// Start-up on the headless screen: where the main window goes on screens of several sizes, the six
// controls with their creation order, identifiers, containers, z-order, styles and rectangles, and
// the fatal error box when the window cannot be created.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "app/shell.h"
#include "platform/testing/scenario.h"
#include "tests/app/quorvane_run.h"
#include "window/form.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

TEST(Startup, CentresTheWindowOnThePrimaryScreenWithoutClamping) {
    struct Case {
        SIZE screen;
        RECT outer;
    };
    const Case cases[] = {
        {{1024, 768}, {309, 265, 714, 503}},
        {{800, 600}, {197, 181, 602, 419}},
        {{320, 200}, {-42, -19, 363, 219}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.screen.cx) + " x " + std::to_string(c.screen.cy));
        Scenario scenario(c.screen);
        RECT outer{};
        scenario.Check([&](Screen&) { ::GetWindowRect(MainWindowHandle(), &outer); })
            .Key(VK_ESCAPE);
        scenario.Run([] { RunProgram(); });
        EXPECT_EQ(outer.left, c.outer.left);
        EXPECT_EQ(outer.top, c.outer.top);
        EXPECT_EQ(outer.right, c.outer.right);
        EXPECT_EQ(outer.bottom, c.outer.bottom);
    }
}

// Records the class and identifier of every window the thread creates, and the style asked for
// the top-level one.
std::vector<std::pair<std::string, int>> createdWindows;
DWORD requestedTopLevelStyle = 0;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* creation = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        const CREATESTRUCTA* create = creation->lpcs;
        const bool child = (create->style & WS_CHILD) != 0;
        std::string className = HIWORD(reinterpret_cast<UINT_PTR>(create->lpszClass)) != 0
                                    ? create->lpszClass
                                    : "#atom";
        createdWindows.emplace_back(
            className, child ? static_cast<int>(reinterpret_cast<INT_PTR>(create->hMenu)) : -1);
        if (!child) {
            requestedTopLevelStyle = static_cast<DWORD>(create->style);
        }
        (void)wParam;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Startup, CreatesTheControlsInReverseFormOrderAndPlacesThemInTheirContainers) {
    struct Expected {
        uint32_t formNumber;
        const char* className;  // nullptr: one of the program's own classes
        int id;
        uint32_t container;  // 0: the main window
        RECT screenRect;
        DWORD style;
        DWORD extendedStyle;
    };
    const POINT o = kClientOrigin;
    const std::vector<Expected> creationOrder = {
        {kResultGroup,
         "BUTTON",
         100,
         0,
         {o.x + 8, o.y + 8, o.x + 288, o.y + 200},
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT,
         0},
        {kResultLabel,
         nullptr,
         110,
         kResultGroup,
         {o.x + 16, o.y + 24, o.x + 256, o.y + 184},
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
         WS_EX_TRANSPARENT},
        {kHeadCountGroup,
         "BUTTON",
         120,
         0,
         {o.x + 296, o.y + 16, o.x + 392, o.y + 88},
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT,
         0},
        {kHeadCountEntry,
         "EDIT",
         130,
         kHeadCountGroup,
         {o.x + 312, o.y + 40, o.x + 360, o.y + 72},
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
         WS_EX_CLIENTEDGE},
        {kUnitLabel,
         nullptr,
         140,
         kHeadCountGroup,
         {o.x + 368, o.y + 40, o.x + 384, o.y + 72},
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
         0},
        {kDrawButton,
         "BUTTON",
         150,
         0,
         {o.x + 296, o.y + 96, o.x + 392, o.y + 200},
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER |
             BS_VCENTER | BS_MULTILINE,
         0},
    };
    createdWindows.clear();
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, &RecordCreation, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);

    Scenario scenario;
    scenario
        .Check([&](Screen&) {
            HWND main = MainWindowHandle();
            ASSERT_NE(main, nullptr);
            // Created hidden with exactly the form's style; the system adds WS_CLIPSIBLINGS to
            // every top-level window, and showing it adds WS_VISIBLE.
            EXPECT_EQ(requestedTopLevelStyle, 0x02C80000u);
            EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(main, GWL_STYLE)),
                      0x02C80000u | WS_CLIPSIBLINGS | WS_VISIBLE);
            EXPECT_EQ(::GetWindowLongA(main, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
            for (const Expected& want : creationOrder) {
                SCOPED_TRACE("child id " + std::to_string(want.id));
                HWND control = ControlHandle(want.formNumber);
                ASSERT_NE(control, nullptr);
                EXPECT_EQ(::GetDlgCtrlID(control), want.id);
                HWND container = want.container == 0 ? main : ControlHandle(want.container);
                EXPECT_EQ(::GetParent(control), container);
                RECT rect{};
                ::GetWindowRect(control, &rect);
                EXPECT_EQ(rect.left, want.screenRect.left);
                EXPECT_EQ(rect.top, want.screenRect.top);
                EXPECT_EQ(rect.right, want.screenRect.right);
                EXPECT_EQ(rect.bottom, want.screenRect.bottom);
                EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)), want.style);
                EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(control, GWL_EXSTYLE)),
                          want.extendedStyle);
            }
            // Among siblings the control earlier in form order lies on top.
            EXPECT_EQ(::GetWindow(main, GW_CHILD), ControlHandle(kDrawButton));
            EXPECT_EQ(::GetWindow(ControlHandle(kDrawButton), GW_HWNDNEXT),
                      ControlHandle(kHeadCountGroup));
            EXPECT_EQ(::GetWindow(ControlHandle(kHeadCountGroup), GW_HWNDNEXT),
                      ControlHandle(kResultGroup));
            EXPECT_EQ(::GetWindow(ControlHandle(kHeadCountGroup), GW_CHILD),
                      ControlHandle(kUnitLabel));
            EXPECT_EQ(::GetWindow(ControlHandle(kUnitLabel), GW_HWNDNEXT),
                      ControlHandle(kHeadCountEntry));
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
    ::UnhookWindowsHookEx(hook);

    // The main window comes first, then the six controls in reverse form order.
    std::vector<std::pair<std::string, int>> controls;
    for (const auto& created : createdWindows) {
        if (created.second >= 100) {
            controls.push_back(created);
        }
    }
    ASSERT_EQ(controls.size(), creationOrder.size());
    for (size_t index = 0; index < controls.size(); ++index) {
        EXPECT_EQ(controls[index].second, creationOrder[index].id) << "creation " << index;
        if (creationOrder[index].className != nullptr) {
            EXPECT_EQ(controls[index].first, creationOrder[index].className)
                << "creation " << index;
        }
    }
}

TEST(Startup, AFailedWindowCreationShowsTheFatalBoxAndEndsWithMinusOne) {
    const int status = ExitStatusOfChild([] {
        Scenario scenario;
        bool boxShown = false;
        // Armed before the program runs: the window is built before the program first waits.
        scenario.OnScreen().FailNextCreation("QuorvaneMainWindow");
        scenario
            .Check([&](Screen&) {
                HWND box = TopLevelWithText("错误");
                boxShown = box != nullptr;
                EXPECT_EQ(MainWindowHandle(), nullptr);
            })
            .Key(VK_RETURN);
        // An exit hook that runs ends the child with its own status, 77.
        scenario.Run([] { RunWithExitHook([] { _exit(77); }); });
        // Reaching this line means the program returned instead of ending the process.
        return boxShown ? 100 : 101;
    });
    EXPECT_EQ(status, 255) << "expected ExitProcess(-1) without the exit hook (77), "
                              "not a return from the program (100 or 101)";
}

}  // namespace
}  // namespace quorvane::testing
