// The headless host: composing the screen from presented surfaces, the virtual clock, and how
// waiting for input runs the test's steps.
#include "platform/host/headless/headless_host.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/api/user32.h"

namespace layer::host {
namespace {

HWND FakeWindow(uintptr_t id) {
    return reinterpret_cast<HWND>(id * 16);
}

COLORREF Desktop() {
    return GetSysColor(COLOR_BACKGROUND);
}

// A top-level window of one colour at rect, made visible and fully presented.
void ShowFilled(HeadlessHost& host, HWND window, RECT rect, COLORREF color,
                std::vector<std::unique_ptr<gdi::Surface>>& surfaces) {
    auto surface = std::make_unique<gdi::Surface>(rect.right - rect.left, rect.bottom - rect.top);
    for (int y = 0; y < surface->Height(); ++y) {
        for (int x = 0; x < surface->Width(); ++x) {
            surface->SetPixelAt(x, y, gdi::PixelFromColorRef(color));
        }
    }
    host.UpdateTopLevel(window, TopLevelInfo{rect, true, true, "window"});
    host.Present(window, *surface, RECT{0, 0, surface->Width(), surface->Height()});
    surfaces.push_back(std::move(surface));
}

class Recorder : public InputSink {
  public:
    void OnInput(const InputEvent& event) override { events.push_back(event); }
    std::vector<InputEvent> events;
};

// Runs the given functions one per wait, as the scenario driver would.
class ListRunner : public StepRunner {
  public:
    explicit ListRunner(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {}
    bool RunNextStep(std::optional<DWORD>) override {
        if (next_ == steps_.size()) {
            return false;
        }
        steps_[next_++]();
        return true;
    }
    size_t StepsRun() const { return next_; }

  private:
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
};

InputEvent Move(int x, int y) {
    InputEvent event;
    event.kind = InputEvent::Kind::MouseMove;
    event.point = POINT{x, y};
    return event;
}

TEST(HeadlessScreen, ComposesVisibleWindowsBottomFirstOverTheDesktop) {
    HeadlessHost host;
    std::vector<std::unique_ptr<gdi::Surface>> surfaces;
    const HWND red = FakeWindow(1);
    const HWND blue = FakeWindow(2);
    ShowFilled(host, red, RECT{10, 10, 110, 60}, RGB(255, 0, 0), surfaces);
    ShowFilled(host, blue, RECT{50, 30, 150, 90}, RGB(0, 0, 255), surfaces);

    struct Case {
        const char* name;
        std::vector<HWND> zOrderTopFirst;
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        {"outside both", {blue, red}, 5, 5, Desktop()},
        {"red only", {blue, red}, 10, 10, RGB(255, 0, 0)},
        {"red's last pixel", {blue, red}, 109, 29, RGB(255, 0, 0)},
        {"just past red", {blue, red}, 110, 29, Desktop()},
        {"overlap, blue on top", {blue, red}, 60, 40, RGB(0, 0, 255)},
        {"overlap, red on top", {red, blue}, 60, 40, RGB(255, 0, 0)},
        {"blue only, red on top", {red, blue}, 149, 89, RGB(0, 0, 255)},
    };
    for (const Case& c : cases) {
        host.SetZOrder(c.zOrderTopFirst);
        EXPECT_EQ(host.ScreenPixel(c.x, c.y), c.expected) << c.name;
    }

    host.UpdateTopLevel(blue, TopLevelInfo{RECT{50, 30, 150, 90}, false, true, "window"});
    EXPECT_EQ(host.ScreenPixel(140, 80), Desktop()) << "a hidden window is not on the screen";
    host.DestroyTopLevel(red);
    EXPECT_EQ(host.ScreenPixel(10, 10), Desktop()) << "a destroyed window is not on the screen";
    EXPECT_EQ(host.TopLevelWindows(), std::vector<HWND>{blue});
}

TEST(HeadlessScreen, ShowsOnlyWhatWasPresentedInsideTheDirtyRectangle) {
    HeadlessHost host;
    const HWND window = FakeWindow(1);
    gdi::Surface surface(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            surface.SetPixelAt(x, y, 0x00FF00);
        }
    }
    host.UpdateTopLevel(window, TopLevelInfo{RECT{100, 200, 140, 230}, true, true, ""});
    EXPECT_EQ(host.ScreenPixel(100, 200), Desktop()) << "nothing presented yet";

    host.Present(window, surface, RECT{5, 5, 10, 10});
    EXPECT_EQ(host.ScreenPixel(105, 205), RGB(0, 255, 0));
    EXPECT_EQ(host.ScreenPixel(109, 209), RGB(0, 255, 0));
    EXPECT_EQ(host.ScreenPixel(110, 209), RGB(0, 0, 0)) << "outside the dirty rectangle";
    EXPECT_EQ(host.ScreenPixel(104, 205), RGB(0, 0, 0)) << "outside the dirty rectangle";

    surface.SetPixelAt(6, 6, 0x0000FF);
    EXPECT_EQ(host.ScreenPixel(106, 206), RGB(0, 255, 0)) << "painted but not presented";

    // A dirty rectangle reaching past the surface is clipped to it.
    host.Present(window, surface, RECT{-50, -50, 500, 500});
    EXPECT_EQ(host.ScreenPixel(106, 206), RGB(0, 0, 255));
    EXPECT_EQ(host.ScreenPixel(139, 229), RGB(0, 255, 0));
    EXPECT_EQ(host.ScreenPixel(140, 230), Desktop());
    EXPECT_EQ(host.FindTopLevel(window)->presentCount, 2);
}

TEST(HeadlessScreen, ClipsWindowsAtTheScreenEdgesAndPutsUnplacedWindowsOnTop) {
    HeadlessHost host(SIZE{64, 48});
    std::vector<std::unique_ptr<gdi::Surface>> surfaces;
    const HWND placed = FakeWindow(1);
    const HWND unplaced = FakeWindow(2);
    ShowFilled(host, placed, RECT{-20, -20, 30, 30}, RGB(1, 2, 3), surfaces);
    host.SetZOrder({placed});
    ShowFilled(host, unplaced, RECT{20, 20, 100, 100}, RGB(4, 5, 6), surfaces);

    EXPECT_EQ(host.Screen().Width(), 64);
    EXPECT_EQ(host.Screen().Height(), 48);
    EXPECT_EQ(host.ScreenPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(host.ScreenPixel(25, 25), RGB(4, 5, 6));
    EXPECT_EQ(host.ScreenPixel(63, 47), RGB(4, 5, 6));
    EXPECT_EQ(host.ComposeOrder(), (std::vector<HWND>{placed, unplaced}));

    // Windows at the far ends of the coordinate range, and dirty rectangles that are inverted,
    // show nothing and break nothing.
    const HWND farAway = FakeWindow(3);
    ShowFilled(host, farAway, RECT{INT32_MIN, INT32_MIN, INT32_MIN + 8, INT32_MIN + 8},
               RGB(7, 8, 9), surfaces);
    host.UpdateTopLevel(
        farAway,
        TopLevelInfo{RECT{INT32_MAX - 4, INT32_MAX - 4, INT32_MAX, INT32_MAX}, true, true, ""});
    host.Present(unplaced, *surfaces[1], RECT{30, 30, 10, 10});
    EXPECT_EQ(host.ScreenPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(host.ScreenPixel(63, 47), RGB(4, 5, 6));
}

TEST(HeadlessScreen, InstalledHostGivesTheScreenSizeToTheLayer) {
    HeadlessHost& host = HeadlessHost::Install(SIZE{800, 600});
    EXPECT_EQ(HeadlessHost::Installed(), &host);
    EXPECT_EQ(layer::host::Current(), &host);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);

    HeadlessHost& fresh = HeadlessHost::Install();
    EXPECT_EQ(HeadlessHost::Installed(), &fresh);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);

    const HeadlessHost degenerate(SIZE{0, -5});
    EXPECT_EQ(degenerate.ScreenSize().cx, 1);
    EXPECT_EQ(degenerate.ScreenSize().cy, 1);
}

TEST(HeadlessClock, MovesOnlyWhenTheTestMovesItAndWraps) {
    HeadlessHost host;
    EXPECT_EQ(host.TickCount(), HeadlessHost::kInitialTickCount);
    EXPECT_EQ(host.TickCount(), HeadlessHost::kInitialTickCount) << "reading does not move it";
    host.SetTickCount(1000);
    EXPECT_EQ(host.TickCount(), 1000u);
    host.AdvanceTickCount(250);
    EXPECT_EQ(host.TickCount(), 1250u);
    host.SetTickCount(0xFFFFFFF0u);
    host.AdvanceTickCount(0x20);
    EXPECT_EQ(host.TickCount(), 0x10u);
    EXPECT_EQ(host.DoubleClickTime(), 500u);
}

TEST(HeadlessInput, PollAndWaitDeliverOneQueuedEventAtATimeInOrder) {
    HeadlessHost host;
    Recorder sink;
    ListRunner runner({[] { ADD_FAILURE() << "no step runs while input is queued"; }});
    host.SetStepRunner(&runner);
    EXPECT_FALSE(host.PollInput(sink));
    host.QueueInput(Move(1, 2));
    host.QueueInput(Move(3, 4));
    host.QueueInput(Move(5, 6));
    EXPECT_TRUE(host.PollInput(sink));
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].point.x, 1);
    EXPECT_TRUE(host.WaitForInput(sink, std::nullopt));
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[1].point.x, 3);
    EXPECT_TRUE(host.PollInput(sink));
    ASSERT_EQ(sink.events.size(), 3u);
    EXPECT_EQ(sink.events[2].point.x, 5);
    EXPECT_FALSE(host.PollInput(sink));
    EXPECT_EQ(runner.StepsRun(), 0u);
}

TEST(HeadlessInput, WaitRunsStepsUntilOneQueuesInput) {
    HeadlessHost host;
    Recorder sink;
    int checks = 0;
    ListRunner runner({[&] { ++checks; }, [&] { ++checks; }, [&] { host.QueueInput(Move(7, 8)); },
                       [&] { ADD_FAILURE() << "runs only at the next wait"; }});
    host.SetStepRunner(&runner);
    EXPECT_TRUE(host.WaitForInput(sink, std::nullopt));
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(runner.StepsRun(), 3u);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].point.y, 8);
}

TEST(HeadlessInput, WaitEndsWhenTheClockPassesTheDeadline) {
    struct Case {
        const char* name;
        DWORD start;
        DWORD deadline;
        DWORD advanceByStep;
        size_t expectedStepsRun;
    };
    const Case cases[] = {
        {"deadline already passed: no step runs", 2000, 1500, 10, 0},
        {"deadline now: no step runs", 2000, 2000, 10, 0},
        {"one step reaches it", 2000, 2100, 100, 1},
        {"two steps pass it", 2000, 2150, 100, 2},
        {"deadline after the clock wraps", 0xFFFFFFF0u, 0x10, 0x10, 2},
    };
    for (const Case& c : cases) {
        HeadlessHost host;
        Recorder sink;
        host.SetTickCount(c.start);
        ListRunner runner({[&] { host.AdvanceTickCount(c.advanceByStep); },
                           [&] { host.AdvanceTickCount(c.advanceByStep); },
                           [&] { host.AdvanceTickCount(c.advanceByStep); }});
        host.SetStepRunner(&runner);
        EXPECT_FALSE(host.WaitForInput(sink, c.deadline)) << c.name;
        EXPECT_EQ(runner.StepsRun(), c.expectedStepsRun) << c.name;
        EXPECT_TRUE(sink.events.empty()) << c.name;
    }
}

TEST(HeadlessInput, WaitReturnsWhenTheStepsRunOut) {
    HeadlessHost host;
    Recorder sink;
    ListRunner runner({[] {}});
    host.SetStepRunner(&runner);
    EXPECT_FALSE(host.WaitForInput(sink, std::nullopt));
    EXPECT_EQ(runner.StepsRun(), 1u);
}

TEST(HeadlessInputDeathTest, WaitWithoutAScenarioStopsInsteadOfHanging) {
    HeadlessHost host;
    Recorder sink;
    EXPECT_DEATH(host.WaitForInput(sink, std::nullopt), "no scenario is running");
}

}  // namespace
}  // namespace layer::host
