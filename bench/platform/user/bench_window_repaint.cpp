// Invalidating and repainting the main window's shape (405 x 238, caption, six clipped children)
// through the whole message path on the headless host: invalidation, WM_NCPAINT, WM_ERASEBKGND,
// WM_PAINT for every window, and the presentation of the damage.
#include <benchmark/benchmark.h>

#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"

namespace {

LRESULT CALLBACK FillingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class MainWindowShape {
  public:
    MainWindowShape() {
        layer::host::HeadlessHost::Install();
        WNDCLASSA windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = FillingProc;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "BenchWindow";
        RegisterClassA(&windowClass);
        top_ = CreateWindowExA(0, "BenchWindow", "Quorvane",
                               WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE, 309, 265,
                               405, 238, nullptr, nullptr, nullptr, nullptr);
        const RECT children[] = {{8, 8, 280, 200},   {20, 30, 260, 190}, {290, 8, 390, 90},
                                 {300, 40, 370, 72}, {372, 40, 388, 72}, {290, 120, 390, 200}};
        HWND parent = top_;
        for (const RECT& rect : children) {
            CreateWindowExA(&rect == &children[1] ? WS_EX_TRANSPARENT : 0, "BenchWindow", "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                            nullptr, nullptr);
        }
        Drain();
    }
    ~MainWindowShape() {
        DestroyWindow(top_);
        Drain();
        UnregisterClassA("BenchWindow", nullptr);
        layer::host::Install(nullptr);
    }
    HWND Top() const { return top_; }
    static void Drain() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }

  private:
    HWND top_ = nullptr;
};

// Everything repaints: the frame, the backgrounds and the seven windows, through the queue.
void BM_InvalidateAndRepaintThroughTheQueue(benchmark::State& state) {
    MainWindowShape shape;
    for (auto _ : state) {
        RedrawWindow(shape.Top(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        MainWindowShape::Drain();
    }
}
BENCHMARK(BM_InvalidateAndRepaintThroughTheQueue);

// The client area alone, painted at once: InvalidateRect and UpdateWindow.
void BM_InvalidateRectAndUpdateWindow(benchmark::State& state) {
    MainWindowShape shape;
    for (auto _ : state) {
        InvalidateRect(shape.Top(), nullptr, TRUE);
        UpdateWindow(shape.Top());
    }
}
BENCHMARK(BM_InvalidateRectAndUpdateWindow);

}  // namespace

BENCHMARK_MAIN();
