// One draw of the real program on the headless host, from the click on 按钮1 to the new number in
// the window's surface (the draw command, SetResultText and the label's repaint of the area behind
// it), and the label's part alone: setting its caption, which repaints at once.
#include <benchmark/benchmark.h>

#include <string>

#include "app/shell.h"
#include "draw/draw.h"
#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"
#include "window/form.h"
#include "window/main_window.h"
#include "window/transparent_label.h"

namespace {

uint32_t HostTickCount() {
    return ::GetTickCount();
}

// The program's main window, loaded as the program entry loads it, with a head count typed in.
class LoadedProgram {
  public:
    LoadedProgram() : host_(layer::host::HeadlessHost::Install()) {
        quorvane::StartShell();
        draw::SetTickSource(&HostTickCount);
        quorvane::LoadStartupWindow(quorvane::kMainWindowNumber);
        quorvane::DispatchWaitingMessages();
        window_ = quorvane::MainWindow::Find(quorvane::kMainWindowNumber);
        if (window_ != nullptr) {
            ::SetWindowTextA(Control(quorvane::kHeadCountEntry)->Handle(), "100000");
            label_ = dynamic_cast<quorvane::TransparentLabel*>(Control(quorvane::kResultLabel));
        }
        RECT button{};
        if (window_ != nullptr) {
            ::GetWindowRect(Control(quorvane::kDrawButton)->Handle(), &button);
        }
        buttonCentre_ = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    }
    ~LoadedProgram() {
        if (window_ != nullptr) {
            ::DestroyWindow(window_->Handle());
        }
        quorvane::DispatchWaitingMessages();
        quorvane::Shutdown(0);
        layer::host::Install(nullptr);
    }

    quorvane::TransparentLabel* Label() const { return label_; }

    // Presses and releases the left button on 按钮1 and handles everything that follows. The
    // clock moves on first, so that no two clicks make a double-click and each draw has its seed.
    void ClickDrawButton() {
        host_.AdvanceTickCount(1000);
        for (auto kind :
             {layer::host::InputEvent::Kind::ButtonDown, layer::host::InputEvent::Kind::ButtonUp}) {
            layer::host::InputEvent event;
            event.kind = kind;
            event.point = buttonCentre_;
            event.button = 1;
            host_.QueueInput(event);
        }
        while (host_.QueuedInputCount() > 0) {
            quorvane::DispatchWaitingMessages();
        }
        quorvane::DispatchWaitingMessages();
    }

  private:
    quorvane::Control* Control(uint32_t formNumber) const {
        return window_->ControlByNumber(formNumber);
    }

    layer::host::HeadlessHost& host_;
    quorvane::MainWindow* window_ = nullptr;
    quorvane::TransparentLabel* label_ = nullptr;
    POINT buttonCentre_{};
};

void BM_DrawFromClickToScreen(benchmark::State& state) {
    LoadedProgram program;
    if (program.Label() == nullptr) {
        state.SkipWithError("the program's main window did not load");
        return;
    }
    int draws = 0;
    for (auto _ : state) {
        program.ClickDrawButton();
        ++draws;
    }
    if (program.Label()->Caption().empty()) {
        state.SkipWithError("the clicks drew no number");
    }
    state.counters["draws"] = draws;
}
BENCHMARK(BM_DrawFromClickToScreen)->Unit(benchmark::kMicrosecond);

// The label alone: a caption that fits and one drawn smaller, in turn.
void BM_SetResultText(benchmark::State& state) {
    LoadedProgram program;
    if (program.Label() == nullptr) {
        state.SkipWithError("the program's main window did not load");
        return;
    }
    const std::string captions[] = {"7", "852"};
    size_t next = 0;
    for (auto _ : state) {
        program.Label()->SetSetting(quorvane::kCaptionSetting, captions[next]);
        next ^= 1;
    }
}
BENCHMARK(BM_SetResultText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
