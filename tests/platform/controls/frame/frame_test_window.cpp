// The frame tests' window: its procedure records what the frame sends and leaves the rest to
// DefWindowProcA, so every behaviour under test is the default one.
#include "tests/platform/controls/frame/frame_test_window.h"

#include <algorithm>

namespace layer::testing {

namespace {

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
        case WM_ENTERSIZEMOVE:
        case WM_EXITSIZEMOVE:
        case WM_MOVING:
        case WM_INITMENUPOPUP:
            Record().messages.push_back(message);
            break;
        case WM_SYSCOMMAND:
            Record().commands.push_back(wParam);
            break;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            break;
        default:
            break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int FrameRecord::count(UINT message) const {
    return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}

FrameRecord& Record() {
    static FrameRecord record;
    return record;
}

HWND CreateFrameWindow(DWORD style, const RECT& rect) {
    Record() = FrameRecord{};
    static const bool registered = [] {
        WNDCLASSA frameClass{};
        frameClass.lpfnWndProc = FrameWindowProc;
        frameClass.hInstance = ::GetModuleHandleA(nullptr);
        frameClass.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        frameClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        frameClass.lpszClassName = "FrameTestWindow";
        return ::RegisterClassA(&frameClass) != 0;
    }();
    if (!registered) {
        return nullptr;
    }
    HWND window = ::CreateWindowExA(0, "FrameTestWindow", "Quorvane", style, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                    nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) {
        ::ShowWindow(window, SW_SHOW);
        ::UpdateWindow(window);
    }
    return window;
}

void RunFrameLoop() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    Record().loopEnded = true;
}

}  // namespace layer::testing
