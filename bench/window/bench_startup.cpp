// Quorvane's start on the headless host: from the shell's start to the main window's first frame
// painted and presented (the window and its six controls built, the XP look switched on, every
// paint handled), as the program entry runs it.
#include <benchmark/benchmark.h>

#include "app/shell.h"
#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"
#include "window/form.h"
#include "window/main_window.h"

namespace {

void BM_StartToFirstFrame(benchmark::State& state) {
    layer::host::HeadlessHost& host = layer::host::HeadlessHost::Install();
    for (auto _ : state) {
        quorvane::StartShell();
        quorvane::LoadStartupWindow(quorvane::kMainWindowNumber);
        // Handles everything the start left waiting, the paints included; the layer presents
        // the painted frame when it finds the queue empty.
        quorvane::DispatchWaitingMessages();

        state.PauseTiming();
        quorvane::MainWindow* window = quorvane::MainWindow::Find(quorvane::kMainWindowNumber);
        const layer::host::HeadlessHost::TopLevel* shown =
            window != nullptr ? host.FindTopLevel(window->Handle()) : nullptr;
        if (shown == nullptr || shown->presentCount == 0) {
            state.SkipWithError("the main window was not presented");
            break;
        }
        ::DestroyWindow(window->Handle());
        quorvane::DispatchWaitingMessages();
        MSG quit;
        ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        quorvane::Shutdown(0);
        state.ResumeTiming();
    }
    layer::host::Install(nullptr);
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
