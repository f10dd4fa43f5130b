// The drawing work of one off-screen paint: gradients as two triangles, fills, the focus rectangle
// and the copy of a whole window's bitmap, at the sizes of the program's window and button.
#include <benchmark/benchmark.h>

#include "platform/win32.h"

namespace {

constexpr int kWindowWidth = 405;
constexpr int kWindowHeight = 238;

// A memory DC with a compatible bitmap of the given size.
struct OffscreenBitmap {
    OffscreenBitmap(int width, int height) {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(dc, width, height);
        previous = SelectObject(dc, bitmap);
    }
    ~OffscreenBitmap() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

void FourCornerGradient(HDC dc, int width, int height) {
    TRIVERTEX vertices[4] = {{0, 0, 0xFF00, 0xFF00, 0xFF00, 0},
                             {width, 0, 0xFF00, 0xFF00, 0xFF00, 0},
                             {0, height, 0xE200, 0xDF00, 0xD600, 0},
                             {width, height, 0xE200, 0xDF00, 0xD600, 0}};
    GRADIENT_TRIANGLE mesh[2] = {{0, 1, 2}, {1, 3, 2}};
    GradientFill(dc, vertices, 4, mesh, 2, GRADIENT_FILL_TRIANGLE);
}

void BM_TwoTriangleGradient(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    OffscreenBitmap target(width, height);
    for (auto _ : state) {
        FourCornerGradient(target.dc, width, height);
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_TwoTriangleGradient)->Args({75, 23})->Args({kWindowWidth, kWindowHeight});

void BM_FillWindow(benchmark::State& state) {
    OffscreenBitmap target(kWindowWidth, kWindowHeight);
    const RECT rect{0, 0, kWindowWidth, kWindowHeight};
    HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    for (auto _ : state) {
        FillRect(target.dc, &rect, brush);
    }
}
BENCHMARK(BM_FillWindow);

void BM_CopyWindowBitmap(benchmark::State& state) {
    OffscreenBitmap source(kWindowWidth, kWindowHeight);
    OffscreenBitmap target(kWindowWidth, kWindowHeight);
    for (auto _ : state) {
        BitBlt(target.dc, 0, 0, kWindowWidth, kWindowHeight, source.dc, 0, 0, SRCCOPY);
    }
}
BENCHMARK(BM_CopyWindowBitmap);

// One push button's worth of drawing, as the look paints it off-screen and copies it.
void BM_ButtonPaint(benchmark::State& state) {
    constexpr int kWidth = 75;
    constexpr int kHeight = 23;
    OffscreenBitmap screen(kWindowWidth, kWindowHeight);
    for (auto _ : state) {
        OffscreenBitmap offscreen(kWidth, kHeight);
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(offscreen.dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        HBRUSH border = CreateSolidBrush(RGB(55, 98, 6));
        const RECT inner{1, 1, kWidth - 1, kHeight - 1};
        FrameRect(offscreen.dc, &inner, border);
        DeleteObject(border);
        FourCornerGradient(offscreen.dc, kWidth, kHeight);
        for (int i = 0; i < 8; ++i) {
            SetPixel(offscreen.dc, i, i, RGB(212, 208, 200));
        }
        const RECT focus{3, 3, kWidth - 3, kHeight - 3};
        DrawFocusRect(offscreen.dc, &focus);
        BitBlt(screen.dc, 10, 10, kWidth, kHeight, offscreen.dc, 0, 0, SRCCOPY);
    }
}
BENCHMARK(BM_ButtonPaint);

}  // namespace

BENCHMARK_MAIN();
