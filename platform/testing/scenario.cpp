// Scenario: the list of steps, run one at a time by the headless host whenever the program would
// wait, and the failures that tell a test where it went wrong.
#include "platform/testing/scenario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <sstream>

#include "platform/api/kernel32.h"
#include "platform/api/user32.h"

namespace layer::testing {

namespace {

// After the steps have run out and WM_QUIT has been posted, a program whose loops end makes no
// more than a few more waits; one that keeps waiting this often would wait forever.
constexpr int kWaitsAllowedAfterRunningOut = 100;

// Draining the queue at the end stops after this many messages, so that a window that can never
// be validated does not keep the test from ending.
constexpr int kMostMessagesDrained = 10000;

std::string PointText(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

const char* ButtonName(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return "left";
        case MouseButton::Right:
            return "right";
        case MouseButton::Middle:
            return "middle";
    }
    return "unknown";
}

std::string KeyText(UINT virtualKey, unsigned modifiers) {
    std::ostringstream text;
    text << "Key(";
    if ((modifiers & kCtrl) != 0) {
        text << "Ctrl+";
    }
    if ((modifiers & kShift) != 0) {
        text << "Shift+";
    }
    if ((modifiers & kAlt) != 0) {
        text << "Alt+";
    }
    text << "0x" << std::hex << virtualKey << ")";
    return text.str();
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    return ::GetClassNameA(window, name, sizeof name) > 0 ? std::string(name) : std::string("?");
}

}  // namespace

Scenario::Scenario(SIZE screenSize)
    : host_(host::HeadlessHost::Install(screenSize)), screen_(host_) {}

Scenario::~Scenario() {
    // A later scenario may have replaced this one's host; then its windows are that one's.
    if (host::HeadlessHost::Installed() != &host_) {
        return;
    }
    host_.SetStepRunner(nullptr);
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (::IsWindow(window)) {
            ::DestroyWindow(window);
        }
    }
    MSG message;
    for (int drained = 0; drained < kMostMessagesDrained &&
                          ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
         ++drained) {
    }
}

Scenario& Scenario::Add(std::string description, std::function<void(Screen&)> action) {
    steps_.push_back(Step{std::move(description), std::move(action)});
    return *this;
}

Scenario& Scenario::AddInput(std::string description, std::vector<host::InputEvent> events) {
    return Add(std::move(description), [events = std::move(events)](Screen& screen) {
        for (const host::InputEvent& event : events) {
            screen.Host().QueueInput(event);
        }
    });
}

std::vector<host::InputEvent> Scenario::MoveTo(POINT point) {
    std::vector<host::InputEvent> events;
    if (!pointer_.has_value() || pointer_->x != point.x || pointer_->y != point.y) {
        events.push_back(MouseMoveEvent(point));
        pointer_ = point;
    }
    return events;
}

Scenario& Scenario::Move(int x, int y) {
    pointer_.reset();
    return AddInput("Move" + PointText(x, y), MoveTo(POINT{x, y}));
}

Scenario& Scenario::Press(int x, int y, MouseButton button) {
    std::vector<host::InputEvent> events = MoveTo(POINT{x, y});
    events.push_back(ButtonEvent(host::InputEvent::Kind::ButtonDown, POINT{x, y}, button));
    return AddInput(std::string("Press") + PointText(x, y) + " " + ButtonName(button),
                    std::move(events));
}

Scenario& Scenario::Release(int x, int y, MouseButton button) {
    std::vector<host::InputEvent> events = MoveTo(POINT{x, y});
    events.push_back(ButtonEvent(host::InputEvent::Kind::ButtonUp, POINT{x, y}, button));
    return AddInput(std::string("Release") + PointText(x, y) + " " + ButtonName(button),
                    std::move(events));
}

Scenario& Scenario::Click(int x, int y, MouseButton button) {
    std::vector<host::InputEvent> events = MoveTo(POINT{x, y});
    events.push_back(ButtonEvent(host::InputEvent::Kind::ButtonDown, POINT{x, y}, button));
    events.push_back(ButtonEvent(host::InputEvent::Kind::ButtonUp, POINT{x, y}, button));
    return AddInput(std::string("Click") + PointText(x, y) + " " + ButtonName(button),
                    std::move(events));
}

Scenario& Scenario::Key(UINT virtualKey, unsigned modifiers) {
    return AddInput(KeyText(virtualKey, modifiers), KeyPressEvents(virtualKey, modifiers));
}

Scenario& Scenario::Type(std::string utf8) {
    std::string description = "Type(\"" + utf8 + "\")";
    return AddInput(std::move(description), {TextEvent(std::move(utf8))});
}

Scenario& Scenario::Inject(host::InputEvent event, std::string description) {
    if (event.kind == host::InputEvent::Kind::MouseMove ||
        event.kind == host::InputEvent::Kind::ButtonDown ||
        event.kind == host::InputEvent::Kind::ButtonUp) {
        pointer_ = event.point;
    }
    return AddInput("Inject(" + description + ")", {std::move(event)});
}

Scenario& Scenario::SetTickCount(DWORD tickCount) {
    return Add("SetTickCount(" + std::to_string(tickCount) + ")",
               [tickCount](Screen& screen) { screen.SetTickCount(tickCount); });
}

Scenario& Scenario::AdvanceTickCount(DWORD milliseconds) {
    return Add("AdvanceTickCount(" + std::to_string(milliseconds) + ")",
               [milliseconds](Screen& screen) { screen.AdvanceTickCount(milliseconds); });
}

Scenario& Scenario::FailNextCreation(std::string className) {
    std::string description = "FailNextCreation(\"" + className + "\")";
    return Add(std::move(description), [className = std::move(className)](Screen& screen) {
        screen.FailNextCreation(className);
    });
}

Scenario& Scenario::SavePng(std::string path) {
    std::string description = "SavePng(\"" + path + "\")";
    return Add(std::move(description), [path = std::move(path)](Screen& screen) {
        EXPECT_TRUE(screen.SavePng(path)) << "the screenshot could not be written to " << path;
    });
}

Scenario& Scenario::Check(std::function<void(Screen&)> check) {
    return Add("Check", std::move(check));
}

void Scenario::Run(const std::function<void()>& program) {
    if (host::HeadlessHost::Installed() != &host_) {
        std::fprintf(stderr,
                     "Scenario: its headless host was replaced by another one before Run; "
                     "create the Scenario after installing any other host.\n");
        std::abort();
    }
    struct RunnerInstalled {
        host::HeadlessHost& host;
        ~RunnerInstalled() { host.SetStepRunner(nullptr); }
    } installed{host_};
    host_.SetStepRunner(this);
    ranOut_ = false;
    waitsAfterRunningOut_ = 0;

    program();

    if (next_ < steps_.size()) {
        ADD_FAILURE() << "The program returned with " << steps_.size() - next_ << " of "
                      << steps_.size() << " steps not run; the first of them is step " << next_ + 1
                      << ": " << steps_[next_].description;
    }
}

bool Scenario::RunNextStep(std::optional<DWORD> deadline) {
    if (next_ >= steps_.size()) {
        RanOut(deadline);
        return false;
    }
    // A copy, because a step may add steps (or wait again, running the following ones).
    const size_t index = next_++;
    const Step step = steps_[index];
    try {
        step.action(screen_);
    } catch (const std::exception& error) {
        ADD_FAILURE() << "Step " << index + 1 << " (" << step.description
                      << ") threw: " << error.what();
    } catch (...) {
        ADD_FAILURE() << "Step " << index + 1 << " (" << step.description
                      << ") threw something that is not a std::exception";
    }
    return true;
}

void Scenario::RanOut(std::optional<DWORD> deadline) {
    if (!ranOut_) {
        ranOut_ = true;
        ADD_FAILURE() << "The scenario ran out: all " << steps_.size()
                      << " steps have run, but the program still waits for input "
                      << DescribeWait(deadline) << ". WM_QUIT is posted to end its loops.";
    } else if (++waitsAfterRunningOut_ > kWaitsAllowedAfterRunningOut) {
        std::fprintf(stderr,
                     "Scenario: the steps ran out and WM_QUIT was posted %d times, but the "
                     "program keeps waiting for input %s; stopping instead of hanging.\n",
                     waitsAfterRunningOut_, DescribeWait(deadline).c_str());
        std::abort();
    }
    ::PostQuitMessage(0);
}

std::string Scenario::DescribeWait(std::optional<DWORD> deadline) {
    std::ostringstream text;
    if (deadline.has_value()) {
        text << "until tick " << *deadline << " (the clock is at " << host_.TickCount() << ")";
    } else {
        text << "without a deadline";
    }
    const std::vector<HWND> bottomFirst = host_.ComposeOrder();
    if (bottomFirst.empty()) {
        text << "; no window is on the screen";
    } else {
        text << "; on the screen, topmost first:";
        for (auto window = bottomFirst.rbegin(); window != bottomFirst.rend(); ++window) {
            text << (window == bottomFirst.rbegin() ? " " : ", ") << "\""
                 << host_.FindTopLevel(*window)->info.titleUtf8 << "\" (class " << ClassOf(*window)
                 << ")";
        }
    }
    const HWND focus = ::GetFocus();
    if (focus != nullptr) {
        text << "; the focus is on a window of class " << ClassOf(focus);
    }
    return text.str();
}

}  // namespace layer::testing
