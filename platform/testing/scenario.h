// The scenario driver: a test lists what a person does and what they should see, then runs the
// program; each step runs when the GUI thread is about to wait for input, in the main loop or in
// any nested modal loop.
//
//   Scenario s;
//   s.Type("10").Click(400, 300).Check([](Screen& screen) {
//       EXPECT_EQ(screen.Pixel(120, 150), RGB(255, 0, 0));
//   }).Key(VK_ESCAPE);
//   s.Run([] { ProgramEntry(); });
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/host/headless/step_runner.h"
#include "platform/testing/input_events.h"
#include "platform/testing/screen.h"

namespace layer::testing {

class Scenario : private host::StepRunner {
  public:
    // Installs a fresh headless host with a screen of that size, so that every scenario starts
    // from an empty screen, the initial tick count and an empty clipboard.
    explicit Scenario(SIZE screenSize = host::HeadlessHost::kDefaultScreenSize);
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;
    // Destroys the top-level windows the program left behind and discards the messages left in
    // the queue, so that the next scenario starts clean.
    ~Scenario() override;

    // Mouse actions at screen points. The pointer first moves there unless it is there already.
    // Two clicks with no time between them are a double-click, as they would be on Windows.
    Scenario& Move(int x, int y);
    Scenario& Press(int x, int y, MouseButton button = MouseButton::Left);
    Scenario& Release(int x, int y, MouseButton button = MouseButton::Left);
    Scenario& Click(int x, int y, MouseButton button = MouseButton::Left);
    // A key by its virtual-key code, with modifiers held around it (kShift | kCtrl | kAlt).
    Scenario& Key(UINT virtualKey, unsigned modifiers = kNoModifiers);
    // UTF-8 text as one piece of typed input, as an input method delivers it.
    Scenario& Type(std::string utf8);
    // Any other input the host can deliver: focus changes, close requests, session end.
    Scenario& Inject(host::InputEvent event, std::string description);

    // Moving the clock; a wait with a deadline ends when the clock reaches it.
    Scenario& SetTickCount(DWORD tickCount);
    Scenario& AdvanceTickCount(DWORD milliseconds);
    Scenario& FailNextCreation(std::string className);
    Scenario& SavePng(std::string path);
    // Runs a check (or any action without input) against the screen as it is at that moment.
    Scenario& Check(std::function<void(Screen&)> check);

    // Runs the program with the steps. Fails the test when the steps run out while the program
    // still waits (and then makes its loops end by posting WM_QUIT), and when steps are left
    // over after the program returns.
    void Run(const std::function<void()>& program);

    Screen& OnScreen() { return screen_; }
    size_t StepCount() const { return steps_.size(); }
    size_t StepsRun() const { return next_; }

  private:
    struct Step {
        std::string description;
        std::function<void(Screen&)> action;
    };

    Scenario& Add(std::string description, std::function<void(Screen&)> action);
    Scenario& AddInput(std::string description, std::vector<host::InputEvent> events);
    // Input that moves the pointer to point first, when it is elsewhere.
    std::vector<host::InputEvent> MoveTo(POINT point);

    bool RunNextStep(std::optional<DWORD> deadline) override;
    void RanOut(std::optional<DWORD> deadline);
    std::string DescribeWait(std::optional<DWORD> deadline);

    host::HeadlessHost& host_;
    Screen screen_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    // Where the pointer is after the steps added so far.
    std::optional<POINT> pointer_;
    bool ranOut_ = false;
    int waitsAfterRunningOut_ = 0;
};

}  // namespace layer::testing
