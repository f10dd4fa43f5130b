// What a screen check costs on the headless host: presenting the main window's whole surface, and
// composing the 1024 x 768 screen again after a change so that a pixel can be read.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/host/headless/headless_host.h"

namespace {

using layer::host::HeadlessHost;
using layer::host::TopLevelInfo;

// The headless host with one visible window of the main window's size on it.
struct MainWindowOnScreen {
    MainWindowOnScreen() : surface(405, 238) {
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                surface.SetPixelAt(x, y, static_cast<uint32_t>(x * 613 + y * 97));
            }
        }
        host.UpdateTopLevel(window, TopLevelInfo{RECT{309, 265, 714, 503}, true, true, "Quorvane"});
        host.SetZOrder({window});
        host.Present(window, surface, whole);
    }
    HeadlessHost host;
    HWND window = reinterpret_cast<HWND>(0x1000);
    layer::gdi::Surface surface;
    RECT whole{0, 0, 405, 238};
};

void BM_PresentWholeWindow(benchmark::State& state) {
    MainWindowOnScreen screen;
    for (auto _ : state) {
        screen.host.Present(screen.window, screen.surface, screen.whole);
    }
}
BENCHMARK(BM_PresentWholeWindow);

void BM_ReadPixelAfterPresent(benchmark::State& state) {
    MainWindowOnScreen screen;
    const RECT onePixel{10, 10, 11, 11};
    for (auto _ : state) {
        screen.host.Present(screen.window, screen.surface, onePixel);
        benchmark::DoNotOptimize(screen.host.ScreenPixel(400, 300));
    }
}
BENCHMARK(BM_ReadPixelAfterPresent);

void BM_ReadPixelUnchanged(benchmark::State& state) {
    MainWindowOnScreen screen;
    for (auto _ : state) {
        benchmark::DoNotOptimize(screen.host.ScreenPixel(400, 300));
    }
}
BENCHMARK(BM_ReadPixelUnchanged);

}  // namespace

BENCHMARK_MAIN();
