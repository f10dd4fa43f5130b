// What the program's scenario tests share: the screen points of the main window's controls on a
// 1024 x 768 screen, the program run with a counting exit hook, forked runs for exit codes, and
// lookups of the program's windows.
#pragma once

#include <functional>
#include <string>

#include "platform/testing/scenario.h"
#include "platform/win32.h"

namespace quorvane::testing {

// The main window on 1024 x 768 lies at (309, 265); its client area begins 3 px right of and
// 22 px below that corner.
constexpr POINT kClientOrigin{312, 287};
constexpr POINT kEntryCentre{kClientOrigin.x + 312 + 24, kClientOrigin.y + 40 + 16};
constexpr POINT kDrawButtonCentre{kClientOrigin.x + 296 + 48, kClientOrigin.y + 96 + 52};
constexpr RECT kResultArea{kClientOrigin.x + 16, kClientOrigin.y + 24, kClientOrigin.x + 256,
                           kClientOrigin.y + 184};

// How often the exit hook of RunWithExitHook ran, and whether the main window still existed
// at any of those runs.
struct ExitHookRecord {
    int runs = 0;
    bool windowExistedAtRun = false;
};
const ExitHookRecord& ExitHookRuns();

// The program entry in its order with the given exit hook (by default one that records its runs
// in ExitHookRuns) in place of the program's empty one, followed by Shutdown; returns the
// entry's result.
int RunWithExitHook(void (*exitHook)() = nullptr);

// Runs the body in a child process and returns its exit status, or -1 when it did not exit.
int ExitStatusOfChild(const std::function<int()>& body);

// The main window, or nullptr when it is not loaded.
HWND MainWindowHandle();
// The window of a control of the main window by its form number.
HWND ControlHandle(uint32_t formNumber);
// A visible top-level window whose text is exactly this (code page 936), or nullptr.
HWND TopLevelWithText(const std::string& text);
// Whether a pure red pixel lies in the rectangle of the screen.
bool HasRedPixel(layer::testing::Screen& screen, const RECT& area);

}  // namespace quorvane::testing
