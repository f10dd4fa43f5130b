// DrawTextA of the result label's number: "32768" in the 213-pixel bold font, centred in a
// 240 x 160 bitmap, with the font made and deleted around each paint as the label does.
#include <benchmark/benchmark.h>

#include "platform/gdi/text/glyph_cache.h"
#include "platform/win32.h"

namespace {

class LabelCanvas {
  public:
    LabelCanvas() {
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateCompatibleBitmap(dc_, 240, 160);
        previous_ = ::SelectObject(dc_, bitmap_);
    }
    ~LabelCanvas() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }

    // One paint of the label's text.
    int Paint() {
        HFONT font = ::CreateFontA(-213, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 2, 0, "");
        HGDIOBJ previous = ::SelectObject(dc_, font);
        ::SetBkMode(dc_, TRANSPARENT);
        ::SetTextColor(dc_, RGB(255, 0, 0));
        RECT rect{0, 0, 240, 160};
        const int height = ::DrawTextA(dc_, "32768", -1, &rect,
                                       DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        ::SelectObject(dc_, previous);
        ::DeleteObject(font);
        return height;
    }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The first paint in a process: the glyphs are rasterised.
void DrawNumberFirstTime(benchmark::State& state) {
    LabelCanvas canvas;
    for (auto _ : state) {
        state.PauseTiming();
        layer::text::GlyphCache::Instance().Clear();
        state.ResumeTiming();
        benchmark::DoNotOptimize(canvas.Paint());
    }
}
BENCHMARK(DrawNumberFirstTime)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// Every later paint: the glyphs come from the cache.
void DrawNumberCached(benchmark::State& state) {
    LabelCanvas canvas;
    canvas.Paint();
    for (auto _ : state) {
        benchmark::DoNotOptimize(canvas.Paint());
    }
}
BENCHMARK(DrawNumberCached)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
