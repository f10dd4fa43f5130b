// Shared helpers of the program's scenario tests.
#include "tests/app/quorvane_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include "app/floating_point_reset.h"
#include "app/shell.h"
#include "draw/draw.h"
#include "window/main_window.h"

namespace quorvane::testing {
namespace {

ExitHookRecord record;

void RecordingExitHook() {
    ++record.runs;
    if (MainWindowHandle() != nullptr) {
        record.windowExistedAtRun = true;
    }
}

uint32_t SystemTickCount() {
    return ::GetTickCount();
}

struct TextSearch {
    const std::string* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TextSearch*>(parameter);
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof(text));
    if (::IsWindowVisible(window) && *search->text == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

const ExitHookRecord& ExitHookRuns() {
    return record;
}

int RunWithExitHook(void (*exitHook)()) {
    record = {};
    StartShell();
    draw::SetTickSource(&SystemTickCount);
    ResetFloatingPoint();
    RegisterExitHook(exitHook != nullptr ? exitHook : &RecordingExitHook);
    LoadStartupWindow(kMainWindowNumber);
    RunMessageLoop();
    Shutdown(0);
    return 0;
}

int ExitStatusOfChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        _exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

HWND MainWindowHandle() {
    MainWindow* window = MainWindow::Find(kMainWindowNumber);
    return window == nullptr ? nullptr : window->Handle();
}

HWND ControlHandle(uint32_t formNumber) {
    MainWindow* window = MainWindow::Find(kMainWindowNumber);
    Control* control = window == nullptr ? nullptr : window->ControlByNumber(formNumber);
    return control == nullptr ? nullptr : control->Handle();
}

HWND TopLevelWithText(const std::string& text) {
    TextSearch search{&text, nullptr};
    ::EnumWindows(&MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasRedPixel(layer::testing::Screen& screen, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (screen.Pixel(x, y) == RGB(255, 0, 0)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace quorvane::testing
