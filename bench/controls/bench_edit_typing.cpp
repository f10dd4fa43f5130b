// Typing into an edit box that already holds 1 MB of text: one character at the end and the
// repaint it causes, through the window procedure and the paint path on the headless host.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"

namespace {

class LongEntry {
  public:
    explicit LongEntry(size_t length) {
        layer::host::HeadlessHost::Install();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = "BenchEntryParent";
        RegisterClassA(&windowClass);
        top_ = CreateWindowExA(0, "BenchEntryParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 100,
                               nullptr, nullptr, nullptr, nullptr);
        entry_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                 WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 10, 10, 120, 32,
                                 top_, reinterpret_cast<HMENU>(130), nullptr, nullptr);
        SendMessageA(entry_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
        SendMessageA(entry_, EM_LIMITTEXT, 0, 0);
        std::string text;
        for (size_t index = 0; text.size() < length; ++index) {
            text +=
                index % 7 == 0 ? "\xD6\xD0" : "8";  // digits with a Chinese character now and then
        }
        SetWindowTextA(entry_, text.c_str());
        SetFocus(entry_);
        SendMessageA(entry_, EM_SETSEL, text.size(), text.size());
        SendMessageA(entry_, EM_SCROLLCARET, 0, 0);
        Pump();
    }
    ~LongEntry() { DestroyWindow(top_); }

    void TypeAndRepaint(char character) {
        SendMessageA(entry_, WM_CHAR, static_cast<unsigned char>(character), 1);
        Pump();
    }

  private:
    void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }

    HWND top_ = nullptr;
    HWND entry_ = nullptr;
};

void BM_TypeAtTheEndOfOneMegabyte(benchmark::State& state) {
    LongEntry entry(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        entry.TypeAndRepaint('5');
    }
}
BENCHMARK(BM_TypeAtTheEndOfOneMegabyte)->Arg(1 << 20)->Arg(16)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
