// Repainting a push button of 按钮1's size and caption in the XP look on the headless host: the
// whole message path (invalidate, erase with the colour query, WM_PAINT, composition off-screen
// and the copy to the window), and the look's composition alone.
#include <benchmark/benchmark.h>

#include "app/xp_look.h"
#include "app/xp_look_procedure.h"
#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"

namespace {

LRESULT CALLBACK FaceProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        ::FillRect(dc, &paint.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
        ::EndPaint(window, &paint);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// A 405 x 238 window with a 96 x 104 button "抽 奖" at 按钮1's place, in the look's scheme 2.
class ButtonInTheLook {
  public:
    ButtonInTheLook() {
        layer::host::HeadlessHost::Install();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = FaceProcedure;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "BenchLookWindow";
        ::RegisterClassA(&windowClass);
        top_ = ::CreateWindowExA(0, "BenchLookWindow", "Quorvane",
                                 WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE, 309, 265,
                                 405, 238, nullptr, nullptr, nullptr, nullptr);
        font_ = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 134, 0, 0, 0, 0, "");
        button_ = ::CreateWindowExA(
            0, "BUTTON", "抽 奖",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE, 296, 96, 96,
            104, top_, nullptr, nullptr, nullptr);
        ::SendMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        quorvane::SetXpLook(2);
        Drain();
    }
    ~ButtonInTheLook() {
        quorvane::SetXpLook(0);
        ::DestroyWindow(top_);
        Drain();
        ::DeleteObject(font_);
        ::UnregisterClassA("BenchLookWindow", nullptr);
        layer::host::Install(nullptr);
    }
    HWND Button() const { return button_; }
    static void Drain() {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
    }

  private:
    HWND top_ = nullptr;
    HWND button_ = nullptr;
    HFONT font_ = nullptr;
};

void BM_RepaintButtonInTheLook(benchmark::State& state) {
    ButtonInTheLook window;
    if (!quorvane::XpLookRestyles(window.Button())) {
        state.SkipWithError("the look did not restyle the button");
        return;
    }
    for (auto _ : state) {
        ::RedrawWindow(window.Button(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW);
        ButtonInTheLook::Drain();
    }
}
BENCHMARK(BM_RepaintButtonInTheLook)->Unit(benchmark::kMicrosecond);

void BM_ComposeButtonInTheLook(benchmark::State& state) {
    ButtonInTheLook window;
    for (auto _ : state) {
        quorvane::PaintInXpLook(window.Button());
    }
}
BENCHMARK(BM_ComposeButtonInTheLook)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
