// Classes, window data, the tree and its enumeration, subclassing, CBT hooks, handles that no
// longer (or never did) name a window, and counts that show leaks.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gdi/diagnostics.h"
#include "platform/user/diagnostics.h"
#include "tests/platform/user/window_test_support.h"

namespace layer::user::testing {
namespace {

using Log = std::vector<std::string>;

class WindowApiTest : public WindowTest {};

WNDPROC originalProc = nullptr;

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        MessageLog::Instance().Add("subclass WM_USER");
    }
    return CallWindowProcA(originalProc, window, message, wParam, lParam);
}

TEST_F(WindowApiTest, SubclassingThroughTheProcedureLongRunsInFrontOfTheOriginal) {
    HWND top = Create("top", WS_POPUP, 0, 0, 100, 100);
    originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    EXPECT_EQ(originalProc, &RecordingProc);
    EXPECT_EQ(GetWindowLongPtrA(top, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SubclassProc));
    StartLog();
    SendMessageA(top, WM_USER, 0, 0);
    PostMessageA(top, WM_USER, 0, 0);
    Pump();
    EXPECT_EQ(TakeLog(), (Log{"subclass WM_USER", "top 0x0400", "subclass WM_USER", "top 0x0400"}));
    SetWindowLongPtrA(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
    StartLog();
    SendMessageA(top, WM_USER, 0, 0);
    EXPECT_EQ(TakeLog(), (Log{"top 0x0400"})) << "removing the subclass restores the original";
}

std::vector<HWND> hookedCreations;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        hookedCreations.push_back(reinterpret_cast<HWND>(wParam));
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        // The hook sees the creation parameters before the window's own procedure does.
        EXPECT_NE(create->lpcs, nullptr);
        EXPECT_EQ(GetWindowTextLengthA(reinterpret_cast<HWND>(wParam)), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(WindowApiTest, CbtHookSeesEveryWindowTheThreadCreatesAndEnumerationFindsThem) {
    hookedCreations.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, CountingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    HWND top = CreateWindowExA(0, "Recorder", "top", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
    HWND group =
        CreateWindowExA(0, "Recorder", "", WS_CHILD, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
    HWND inner = CreateWindowExA(0, "Recorder", "", WS_CHILD, 0, 0, 10, 10, group, nullptr, nullptr,
                                 nullptr);
    HWND other = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    EXPECT_TRUE(UnhookWindowsHookEx(hook));
    EXPECT_FALSE(UnhookWindowsHookEx(hook));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HOOK_HANDLE));
    EXPECT_EQ(hookedCreations, (std::vector<HWND>{top, group, inner, other}));

    std::vector<HWND> found;
    auto collect = [](HWND window, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    };
    EXPECT_TRUE(EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&found)));
    EXPECT_EQ(found, (std::vector<HWND>{other, top})) << "top-level windows, topmost first";
    found.clear();
    EXPECT_TRUE(EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&found)));
    EXPECT_EQ(found, (std::vector<HWND>{group, inner})) << "children and their descendants";
}

LRESULT CALLBACK RefusingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(WindowApiTest, AHookThatRefusesCreationLeavesNoWindowBehind) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefusingHook, nullptr, GetCurrentThreadId());
    HWND refused = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(LiveWindowCount(), 0u);
}

HWND destroyInHook = nullptr;

LRESULT CALLBACK DestroyingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS && destroyInHook != nullptr) {
        HWND victim = destroyInHook;
        destroyInHook = nullptr;
        DestroyWindow(victim);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(WindowApiTest, DestroyingTheWindowInsideAHookOrItsOwnProcedureIsSafe) {
    HWND top = Create("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    HHOOK hook = SetWindowsHookExA(WH_CBT, DestroyingHook, nullptr, GetCurrentThreadId());
    destroyInHook = child;
    EXPECT_EQ(SetFocus(child), nullptr) << "the target vanished in the hook";
    EXPECT_FALSE(IsWindow(child));
    UnhookWindowsHookEx(hook);

    WNDCLASSA selfDestroying{};
    selfDestroying.lpszClassName = "SelfDestroying";
    selfDestroying.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) -> LRESULT {
        if (message == WM_USER) {
            DestroyWindow(window);
            return DefWindowProcA(window, WM_USER, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    };
    ASSERT_NE(RegisterClassA(&selfDestroying), 0);
    HWND doomed = CreateWindowExA(0, "SelfDestroying", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top,
                                  nullptr, nullptr, nullptr);
    SetFocus(doomed);
    EXPECT_EQ(SendMessageA(doomed, WM_USER, 0, 0), 0);
    EXPECT_FALSE(IsWindow(doomed));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(UnregisterClassA("SelfDestroying", nullptr));
}

TEST_F(WindowApiTest, StaleAndMadeUpHandlesFailWithInvalidWindowHandle) {
    HWND stale = Create("stale", WS_POPUP, 0, 0, 10, 10);
    DestroyWindow(stale);
    HWND madeUp = reinterpret_cast<HWND>(static_cast<uintptr_t>(0xDEAD0));
    RECT rect{};
    POINT point{};
    char text[8];
    MSG message{};
    const std::vector<std::pair<const char*, std::function<bool(HWND)>>> calls = {
        {"DestroyWindow", [](HWND w) { return DestroyWindow(w) == FALSE; }},
        {"ShowWindow", [](HWND w) { return ShowWindow(w, SW_SHOW) == FALSE; }},
        {"SetWindowPos",
         [](HWND w) { return SetWindowPos(w, nullptr, 0, 0, 1, 1, SWP_NOZORDER) == FALSE; }},
        {"GetWindowRect", [&](HWND w) { return GetWindowRect(w, &rect) == FALSE; }},
        {"ClientToScreen", [&](HWND w) { return ClientToScreen(w, &point) == FALSE; }},
        {"GetWindowLongPtrA", [](HWND w) { return GetWindowLongPtrA(w, GWL_STYLE) == 0; }},
        {"SetWindowLongPtrA", [](HWND w) { return SetWindowLongPtrA(w, GWLP_USERDATA, 1) == 0; }},
        {"SendMessageA", [](HWND w) { return SendMessageA(w, WM_USER, 0, 0) == 0; }},
        {"PostMessageA", [](HWND w) { return PostMessageA(w, WM_USER, 0, 0) == FALSE; }},
        {"GetWindowTextA", [&](HWND w) { return GetWindowTextA(w, text, 8) == 0; }},
        {"SetWindowTextA", [](HWND w) { return SetWindowTextA(w, "x") == FALSE; }},
        {"GetClassNameA", [&](HWND w) { return GetClassNameA(w, text, 8) == 0; }},
        {"GetParent", [](HWND w) { return GetParent(w) == nullptr; }},
        {"SetParent", [](HWND w) { return SetParent(w, nullptr) == nullptr; }},
        {"EnableWindow", [](HWND w) { return EnableWindow(w, FALSE) == FALSE; }},
        {"SetFocus", [](HWND w) { return SetFocus(w) == nullptr; }},
        {"SetCapture", [](HWND w) { return SetCapture(w) == nullptr; }},
        {"InvalidateRect", [](HWND w) { return InvalidateRect(w, nullptr, TRUE) == FALSE; }},
        {"UpdateWindow", [](HWND w) { return UpdateWindow(w) == FALSE; }},
        {"GetDC", [](HWND w) { return GetDC(w) == nullptr; }},
        {"BeginPaint",
         [](HWND w) {
             PAINTSTRUCT paint;
             return BeginPaint(w, &paint) == nullptr;
         }},
        {"SetTimer", [](HWND w) { return SetTimer(w, 1, 10, nullptr) == 0; }},
        {"SetPropA", [](HWND w) { return SetPropA(w, "p", w) == FALSE; }},
        {"GetMessageA filter", [&](HWND w) { return GetMessageA(&message, w, 0, 0) == -1; }},
        {"DefWindowProcA", [](HWND w) { return DefWindowProcA(w, WM_GETTEXTLENGTH, 0, 0) == 0; }},
    };
    for (HWND handle : {stale, madeUp}) {
        for (const auto& [name, call] : calls) {
            SetLastError(0);
            EXPECT_TRUE(call(handle)) << name << " did not fail";
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE))
                << name << " set the wrong error";
        }
    }
    EXPECT_FALSE(IsWindow(stale));
    HWND next = Create("next", WS_POPUP, 0, 0, 10, 10);
    EXPECT_NE(next, stale) << "handles are never reused";
}

TEST_F(WindowApiTest, WindowLongsExtraBytesTextAndProperties) {
    WNDCLASSEXA extra{};
    extra.cbSize = sizeof(extra);
    extra.lpszClassName = "WithExtraBytes";
    extra.lpfnWndProc = DefWindowProcA;
    extra.cbWndExtra = 8;
    ASSERT_NE(RegisterClassExA(&extra), 0);
    EXPECT_EQ(RegisterClassExA(&extra), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    HWND top = CreateWindowExA(WS_EX_TOOLWINDOW, "withextrabytes", "title", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(top, nullptr) << "class names compare without regard to case";
    EXPECT_EQ(SetWindowLongA(top, 4, 0x12345678), 0);
    EXPECT_EQ(GetWindowLongA(top, 4), 0x12345678);
    EXPECT_EQ(GetWindowLongA(top, 6), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX)) << "past the extra bytes";
    EXPECT_EQ(GetWindowLongA(top, -100), 0);
    EXPECT_EQ(GetWindowLongA(top, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
    EXPECT_EQ(SetWindowLongPtrA(top, GWLP_USERDATA, 42), 0);
    EXPECT_EQ(GetWindowLongPtrA(top, GWLP_USERDATA), 42);

    char text[16];
    EXPECT_EQ(GetWindowTextA(top, text, sizeof(text)), 5);
    EXPECT_STREQ(text, "title");
    EXPECT_TRUE(SetWindowTextA(top, "\xB3\xE9\xBD\xB1"));
    EXPECT_EQ(GetWindowTextLengthA(top), 4);
    EXPECT_EQ(GetWindowTextA(top, text, 3), 2) << "cut to the buffer, NUL included";
    EXPECT_STREQ(text, "\xB3\xE9");
    char name[8];
    EXPECT_EQ(GetClassNameA(top, name, sizeof(name)), 7);
    EXPECT_STREQ(name, "WithExt");

    EXPECT_TRUE(SetPropA(top, "state", reinterpret_cast<HANDLE>(7)));
    EXPECT_EQ(GetPropA(top, "state"), reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(RemovePropA(top, "state"), reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(GetPropA(top, "state"), nullptr);

    EXPECT_FALSE(UnregisterClassA("WithExtraBytes", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(top);
    EXPECT_TRUE(UnregisterClassA("WithExtraBytes", nullptr));
}

TEST_F(WindowApiTest, TreeOrderReparentingAndCoordinates) {
    HWND top = Create("top", WS_CAPTION | WS_VISIBLE, 100, 50, 405, 238);
    HWND first = Create("first", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, top, 0, 100);
    HWND second = Create("second", WS_CHILD | WS_VISIBLE, 20, 120, 30, 30, top, 0, 110);
    EXPECT_EQ(GetWindow(top, GW_CHILD), first) << "a new child goes below its siblings";
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), second);
    SetWindowPos(second, first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);

    EXPECT_EQ(SetParent(second, first), top);
    EXPECT_EQ(GetParent(second), first);
    EXPECT_TRUE(IsChild(top, second));
    EXPECT_EQ(GetDlgItem(first, 110), second);
    EXPECT_EQ(SetParent(first, second), nullptr) << "a window cannot go inside itself";
    RECT rect;
    GetWindowRect(second, &rect);
    EXPECT_EQ(rect.left, 100 + 3 + 10 + 20);
    EXPECT_EQ(rect.top, 50 + 22 + 10 + 120);
    POINT point{1, 2};
    MapWindowPoints(second, top, &point, 1);
    EXPECT_EQ(point.x, 31);
    EXPECT_EQ(point.y, 132);
    ScreenToClient(top, &point);
    EXPECT_EQ(point.x, 31 - 103);
}

TEST_F(WindowApiTest, TopmostWindowsStayAboveTheOthers) {
    HWND pinned = Create("pinned", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    SetWindowPos(pinned, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindowLongA(pinned, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    HWND later = Create("later", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100);
    EXPECT_EQ(GetActiveWindow(), later);
    EXPECT_EQ(GetTopWindow(nullptr), pinned) << "activation does not lift a window over a topmost";
    EXPECT_EQ(host_->ComposeOrder(), (std::vector<HWND>{later, pinned})) << "bottom first";
    SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindowLongA(pinned, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), later);
}

TEST_F(WindowApiTest, CreateAndDestroyCyclesLeakNoWindowsOrObjects) {
    HWND warmUp = Create("warm", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    DestroyWindow(warmUp);
    Pump();
    size_t objects = layer::gdi::LiveObjectCount();
    for (int cycle = 0; cycle < 20; ++cycle) {
        HWND top = Create("top", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 405, 238);
        for (int index = 0; index < 6; ++index) {
            Create("child", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, index * 10, 0, 40, 40, top,
                   index % 2 ? WS_EX_CLIENTEDGE : 0);
        }
        HDC dc = GetDC(top);
        Pump();
        ReleaseDC(top, dc);
        DestroyWindow(top);
        Pump();
    }
    EXPECT_EQ(LiveWindowCount(), 0u);
    EXPECT_EQ(layer::gdi::LiveObjectCount(), objects);
}

TEST_F(WindowApiTest, InjectedCreationFailureHitsOnlyTheNextCreationOfThatClass) {
    FailNextCreation("RECORDER");
    SetLastError(0);
    EXPECT_EQ(CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_NE(CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_EQ(CreateWindowExA(0, "Recorder", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
}

}  // namespace
}  // namespace layer::user::testing
