// The scenario driver against the real layer: steps run whenever the program waits, also inside
// nested loops; checks see the screen, the windows and the focus; running out or leaving steps
// over fails the test without hanging.
#include "platform/testing/scenario.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/testing/png.h"
#include "platform/win32.h"

namespace layer::testing {
namespace {

constexpr char kClassName[] = "ScenarioProbe";
constexpr RECT kWindowRect{100, 100, 300, 250};
constexpr COLORREF kFill = RGB(0, 128, 64);

// What the probe window saw, for the test to compare with what the scenario did.
struct ProbeLog {
    std::vector<std::string> entries;
    int nestedDepth = 0;
    bool endNested = false;
    int timerMessages = 0;
    int exitCode = -1;
    bool ignoreQuit = false;
};
ProbeLog probe;

// A nested loop, as a message box runs one: it ends on Esc, and on WM_QUIT, which it posts again
// for the loop outside it.
void RunNestedLoop() {
    ++probe.nestedDepth;
    probe.endNested = false;
    MSG message;
    while (!probe.endNested) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    --probe.nestedDepth;
}

void Record(const std::string& entry) {
    probe.entries.push_back(entry + " at depth " + std::to_string(probe.nestedDepth));
}

LRESULT CALLBACK ProbeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            HBRUSH brush = ::CreateSolidBrush(kFill);
            RECT client;
            ::GetClientRect(window, &client);
            ::FillRect(dc, &client, brush);
            ::DeleteObject(brush);
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            Record("down " + std::to_string(GET_X_LPARAM(lParam)) + "," +
                   std::to_string(GET_Y_LPARAM(lParam)));
            RunNestedLoop();
            return 0;
        case WM_RBUTTONUP:
            Record("right up");
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                const bool shift = ::GetKeyState(VK_SHIFT) < 0;
                Record(shift ? "Shift+Esc" : "Esc");
                if (shift) {
                    return 0;
                }
                if (probe.nestedDepth > 0) {
                    probe.endNested = true;
                } else {
                    ::DestroyWindow(window);
                }
            }
            return 0;
        case WM_CHAR:
            if (wParam >= 0x20) {
                Record(std::string("char ") + static_cast<char>(wParam));
            }
            return 0;
        case WM_TIMER:
            ++probe.timerMessages;
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(7);
            return 0;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

// The program under test: one visible popup window with the focus, and its message loop.
void ProbeProgram() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ProbeProcedure;
        windowClass.lpszClassName = kClassName;
        registered = ::RegisterClassA(&windowClass) != 0;
    }
    HWND window =
        ::CreateWindowExA(0, kClassName, "Probe", WS_POPUP | WS_VISIBLE, kWindowRect.left,
                          kWindowRect.top, kWindowRect.right - kWindowRect.left,
                          kWindowRect.bottom - kWindowRect.top, nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) {
        probe.exitCode = -2;
        return;
    }
    ::SetFocus(window);
    ::SetTimer(window, 1, 100, nullptr);
    MSG message;
    for (;;) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 && !probe.ignoreQuit) {
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    probe.exitCode = static_cast<int>(message.wParam);
}

class ScenarioDriver : public ::testing::Test {
  protected:
    void SetUp() override { probe = ProbeLog{}; }
};

TEST_F(ScenarioDriver, StepsRunInsideNestedLoopsInTheOrderGiven) {
    Scenario s;
    s.Click(150, 130)
        .Check([](Screen&) { EXPECT_EQ(probe.nestedDepth, 1) << "the click opened the loop"; })
        .Type("ab")
        .Key(VK_ESCAPE, kShift)
        .Key(VK_ESCAPE)
        .Check([](Screen&) { EXPECT_EQ(probe.nestedDepth, 0) << "Esc ended the nested loop"; })
        .Click(160, 140, MouseButton::Right)
        .Key(VK_ESCAPE);
    s.Run(ProbeProgram);

    const std::vector<std::string> expected = {
        "down 50,30 at depth 0", "char a at depth 1",   "char b at depth 1", "Shift+Esc at depth 1",
        "Esc at depth 1",        "right up at depth 0", "Esc at depth 0",
    };
    EXPECT_EQ(probe.entries, expected);
    EXPECT_EQ(probe.exitCode, 7);
    EXPECT_EQ(s.StepsRun(), s.StepCount());
}

TEST_F(ScenarioDriver, ChecksSeeTheScreenTheWindowsAndTheFocus) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("scenario_" + std::to_string(::getpid()) + ".png"))
                                 .string();
    HWND shown = nullptr;
    Scenario s;
    const size_t objectsBefore = s.OnScreen().LiveObjectCount();
    s.Check([&](Screen& screen) {
         shown = screen.WindowAt(150, 130);
         ASSERT_NE(shown, nullptr);
         EXPECT_EQ(screen.Focus(), shown);
         EXPECT_EQ(screen.Text(shown), "Probe");
         EXPECT_EQ(screen.Pixel(kWindowRect.left, kWindowRect.top), kFill);
         EXPECT_EQ(screen.Pixel(kWindowRect.right - 1, kWindowRect.bottom - 1), kFill);
         EXPECT_EQ(screen.Pixel(kWindowRect.right, kWindowRect.bottom),
                   ::GetSysColor(COLOR_BACKGROUND));
         EXPECT_EQ(screen.LiveWindowCount(), 1u);
     })
        .SavePng(path)
        .Key(VK_ESCAPE);
    s.Run(ProbeProgram);

    EXPECT_EQ(Screen().Text(shown), "") << "the window is gone";
    EXPECT_EQ(Screen().LiveWindowCount(), 0u);
    EXPECT_EQ(Screen().LiveObjectCount(), objectsBefore) << "painting left no brush or DC";
    const auto screenshot = ReadPng(path);
    ASSERT_NE(screenshot, nullptr);
    EXPECT_EQ(screenshot->Width(), 1024);
    EXPECT_EQ(gdi::ColorRefFromPixel(screenshot->PixelAt(150, 130)), kFill);
    EXPECT_EQ(gdi::ColorRefFromPixel(screenshot->PixelAt(10, 10)), ::GetSysColor(COLOR_BACKGROUND));
    std::filesystem::remove(path);
}

TEST_F(ScenarioDriver, TheClockMovesOnlyByStepsAndEndsTimedWaits) {
    // The probe's 100 ms timer is due one tenth of a second after the initial tick count.
    static constexpr DWORD kStart = host::HeadlessHost::kInitialTickCount;
    Scenario s;
    s.Check([](Screen& screen) {
         EXPECT_EQ(screen.TickCount(), kStart);
         EXPECT_EQ(::GetTickCount(), kStart);
     })
        .AdvanceTickCount(99)
        .Check([](Screen&) { EXPECT_EQ(probe.timerMessages, 0) << "one millisecond early"; })
        .AdvanceTickCount(1)
        .Check([](Screen&) { EXPECT_EQ(probe.timerMessages, 1) << "the timer was due"; })
        .SetTickCount(1000)
        .Check([](Screen&) { EXPECT_EQ(::GetTickCount(), 1000u); })
        .Key(VK_ESCAPE);
    s.Run(ProbeProgram);
    EXPECT_EQ(probe.timerMessages, 1);
}

TEST_F(ScenarioDriver, FailingTheNextCreationReachesTheProgram) {
    Scenario s;
    Screen().FailNextCreation(kClassName);
    s.Run(ProbeProgram);
    EXPECT_EQ(probe.exitCode, -2);
    EXPECT_EQ(Screen().LiveWindowCount(), 0u);
}

// The input events a scenario hands the host, taken by a program that waits for them directly.
class EventRecorder : public host::InputSink {
  public:
    void OnInput(const host::InputEvent& event) override { events.push_back(event); }
    std::vector<host::InputEvent> events;
};

std::string Describe(const host::InputEvent& event) {
    using Kind = host::InputEvent::Kind;
    const std::string point =
        " " + std::to_string(event.point.x) + "," + std::to_string(event.point.y);
    switch (event.kind) {
        case Kind::MouseMove:
            return "move" + point;
        case Kind::ButtonDown:
            return "down " + std::to_string(event.button) + point;
        case Kind::ButtonUp:
            return "up " + std::to_string(event.button) + point;
        case Kind::Text:
            return "text " + event.text;
        default:
            return "other";
    }
}

TEST(ScenarioInput, MouseActionsMoveThePointerOnlyWhenItIsElsewhere) {
    struct Case {
        const char* name;
        std::function<void(Scenario&)> actions;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"click",
         [](Scenario& s) { s.Click(10, 20); },
         {"move 10,20", "down 1 10,20", "up 1 10,20"}},
        {"right click where the pointer is",
         [](Scenario& s) { s.Click(10, 20).Click(10, 20, MouseButton::Right); },
         {"move 10,20", "down 1 10,20", "up 1 10,20", "down 2 10,20", "up 2 10,20"}},
        {"drag",
         [](Scenario& s) { s.Press(1, 1).Release(9, 9); },
         {"move 1,1", "down 1 1,1", "move 9,9", "up 1 9,9"}},
        {"an explicit move always moves",
         [](Scenario& s) { s.Move(5, 5).Move(5, 5).Press(5, 5); },
         {"move 5,5", "move 5,5", "down 1 5,5"}},
        {"typed text is one event",
         [](Scenario& s) {
             s.Type(
                 "\xe4\xb8\xad"
                 "1");
         },
         {"text \xe4\xb8\xad"
          "1"}},
    };
    for (const Case& c : cases) {
        Scenario s;
        c.actions(s);
        EventRecorder recorder;
        s.Run([&] {
            while (recorder.events.size() < c.expected.size()) {
                ASSERT_TRUE(s.OnScreen().Host().WaitForInput(recorder, std::nullopt)) << c.name;
            }
        });
        std::vector<std::string> described;
        for (const host::InputEvent& event : recorder.events) {
            described.push_back(Describe(event));
        }
        EXPECT_EQ(described, c.expected) << c.name;
    }
}

void RunOutInsideTheNestedLoop() {
    Scenario s;
    s.Click(150, 130);
    s.Run(ProbeProgram);
}

TEST_F(ScenarioDriver, RunningOutFailsTheTestAndEndsEveryLoop) {
    EXPECT_NONFATAL_FAILURE(
        RunOutInsideTheNestedLoop(),
        "The scenario ran out: all 1 steps have run, but the program still "
        "waits for input until tick 60100 (the clock is at 60000); on the screen, topmost first: "
        "\"Probe\" (class ScenarioProbe)");
    EXPECT_EQ(probe.nestedDepth, 0);
    EXPECT_EQ(probe.exitCode, 0) << "the posted WM_QUIT ended the main loop";
    EXPECT_EQ(Screen().LiveWindowCount(), 0u) << "the scenario destroyed what was left";
}

void LeaveStepsOver() {
    Scenario s;
    s.Click(1, 2).Key(VK_ESCAPE);
    s.Run([] {});
}

TEST_F(ScenarioDriver, StepsLeftOverWhenTheProgramReturnsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(LeaveStepsOver(),
                            "The program returned with 2 of 2 steps not run; the first of them "
                            "is step 1: Click(1, 2) left");
}

void ThrowingStep() {
    Scenario s;
    s.Check([](Screen&) { throw std::runtime_error("broken check"); }).Key(VK_ESCAPE);
    s.Run(ProbeProgram);
}

TEST_F(ScenarioDriver, AStepThatThrowsFailsTheTestAndTheScenarioGoesOn) {
    EXPECT_NONFATAL_FAILURE(ThrowingStep(), "Step 1 (Check) threw: broken check");
    EXPECT_EQ(probe.exitCode, 7);
}

TEST(ScenarioDriverDeathTest, AProgramThatKeepsWaitingAfterTheEndIsStopped) {
    probe = ProbeLog{};
    probe.ignoreQuit = true;
    EXPECT_DEATH(
        {
            Scenario s;
            s.Run(ProbeProgram);
        },
        "keeps waiting for input");
}

}  // namespace
}  // namespace layer::testing
