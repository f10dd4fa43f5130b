// The recording window class, the CBT hook that logs, and the fixture that installs a fresh
// headless host for every test and destroys what a test left behind.
#include "tests/platform/user/window_test_support.h"

#include <cstdio>

#include "platform/user/diagnostics.h"

namespace layer::user::testing {

namespace {

const std::map<UINT, const char*>& MessageNames() {
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_QUERYENDSESSION, "WM_QUERYENDSESSION"},
        {WM_ENDSESSION, "WM_ENDSESSION"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_TIMER, "WM_TIMER"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
    };
    return names;
}

LRESULT CALLBACK LoggingCbtHook(int code, WPARAM wParam, LPARAM lParam) {
    static const char* const kCodes[] = {"HCBT_MOVESIZE",     "HCBT_MINMAX",     "HCBT_QS",
                                         "HCBT_CREATEWND",    "HCBT_DESTROYWND", "HCBT_ACTIVATE",
                                         "HCBT_CLICKSKIPPED", "HCBT_KEYSKIPPED", "HCBT_SYSCOMMAND",
                                         "HCBT_SETFOCUS"};
    MessageLog& log = MessageLog::Instance();
    if (code == HCBT_SYSCOMMAND) {
        char command[16];
        std::snprintf(command, sizeof(command), "0x%04X", static_cast<unsigned>(wParam));
        log.Add(std::string("CBT HCBT_SYSCOMMAND ") + command);
    } else if (code >= 0 && code <= HCBT_SETFOCUS) {
        log.Add(std::string("CBT ") + kCodes[code] + " " +
                log.NameOf(reinterpret_cast<HWND>(wParam)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageLog& MessageLog::Instance() {
    static MessageLog log;
    return log;
}

std::string MessageLog::NameOf(HWND window) const {
    if (window == nullptr) {
        return "null";
    }
    auto found = names_.find(window);
    return found != names_.end() ? found->second : "unnamed";
}

std::string MessageName(UINT message) {
    auto found = MessageNames().find(message);
    if (found != MessageNames().end()) {
        return found->second;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "0x%04X", message);
    return buffer;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog& log = MessageLog::Instance();
    if (message != WM_NCHITTEST && message != WM_SETCURSOR) {
        log.Add(log.NameOf(window) + " " + MessageName(message));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void WindowTest::SetUp() {
    host_ = &host::HeadlessHost::Install();
    MessageLog::Instance().Reset();
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "Recorder";
    RegisterClassA(&windowClass);
}

void WindowTest::TearDown() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
        hook_ = nullptr;
    }
    MessageLog::Instance().Reset();
    while (HWND top = GetTopWindow(nullptr)) {
        DestroyWindow(top);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_PAINT) {
            ValidateRect(message.hwnd, nullptr);
        }
    }
    EXPECT_EQ(LiveWindowCount(), 0u) << "windows left alive after the test";
    UnregisterClassA("Recorder", nullptr);
}

HWND WindowTest::Create(const char* name, DWORD style, int x, int y, int width, int height,
                        HWND parent, DWORD exStyle, int id) {
    // The name is known before the first message so that the creation messages are logged
    // under it: the hook names the window as soon as it exists.
    static const char* pendingName = nullptr;
    pendingName = name;
    HHOOK namer = SetWindowsHookExA(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_CREATEWND && pendingName != nullptr) {
                MessageLog::Instance().Name(reinterpret_cast<HWND>(wParam), pendingName);
                pendingName = nullptr;
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    HWND window =
        CreateWindowExA(exStyle, "Recorder", name, style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
    UnhookWindowsHookEx(namer);
    pendingName = nullptr;
    return window;
}

void WindowTest::StartLog() {
    if (hook_ == nullptr) {
        hook_ = SetWindowsHookExA(WH_CBT, LoggingCbtHook, nullptr, GetCurrentThreadId());
    }
    MessageLog::Instance().Start();
}

void WindowTest::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace layer::user::testing
