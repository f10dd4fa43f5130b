// The message orders the program relies on, as a real Win32 implementation shows them: creation,
// destruction, showing, focus, activation, enabling, frame changes and moves.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_support.h"

namespace layer::user::testing {
namespace {

using Log = std::vector<std::string>;

constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

class MessageOrderTest : public WindowTest {};

TEST_F(MessageOrderTest, CreatingATopLevelWindowAsksForLimitsBeforeNcCreate) {
    StartLog();
    HWND top = Create("top", kMainStyle, 10, 10, 405, 238);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(TakeLog(), (Log{"CBT HCBT_CREATEWND top", "top WM_GETMINMAXINFO", "top WM_NCCREATE",
                              "top WM_NCCALCSIZE", "top WM_CREATE"}));
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(client.right, 399);
    EXPECT_EQ(client.bottom, 213);
}

// What a creation hook saw of the style: the one asked for, and the window's own at that moment.
DWORD hookedRequestedStyle = 0;
DWORD hookedWindowStyle = 0;

LRESULT CALLBACK RecordCreationStyle(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        hookedRequestedStyle =
            static_cast<DWORD>(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style);
        hookedWindowStyle =
            static_cast<DWORD>(GetWindowLongA(reinterpret_cast<HWND>(wParam), GWL_STYLE));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MessageOrderTest, TheCreationHookSeesTheStyleAskedAndTheSystemAddsClipSiblingsAfter) {
    // Measured under Wine: the hook sees 0x02C80000 both in the creation structure and on the
    // window; from WM_NCCREATE on the top-level window also carries WS_CLIPSIBLINGS.
    HHOOK hook = SetWindowsHookExA(WH_CBT, &RecordCreationStyle, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    HWND top = Create("top", kMainStyle, 10, 10, 405, 238);
    UnhookWindowsHookEx(hook);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(hookedRequestedStyle, 0x02C80000u);
    EXPECT_EQ(hookedWindowStyle, 0x02C80000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(top, GWL_STYLE)), 0x06C80000u);
}

TEST_F(MessageOrderTest, CreatingAChildSizesMovesAndNotifiesTheParent) {
    HWND top = Create("top", kMainStyle, 10, 10, 405, 238);
    StartLog();
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top, 0, 100);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(TakeLog(), (Log{"CBT HCBT_CREATEWND child", "child WM_NCCREATE",
                              "child WM_NCCALCSIZE", "child WM_CREATE", "child WM_SIZE",
                              "child WM_MOVE", "top WM_PARENTNOTIFY", "child WM_SHOWWINDOW",
                              "child WM_WINDOWPOSCHANGING", "child WM_WINDOWPOSCHANGED"}));
}

TEST_F(MessageOrderTest, ShowActivatesAndDefaultActivationTakesTheFocus) {
    HWND top = Create("top", kMainStyle, 10, 10, 405, 238);
    StartLog();
    ShowWindow(top, SW_SHOW);
    EXPECT_EQ(TakeLog(), (Log{"top WM_SHOWWINDOW", "top WM_WINDOWPOSCHANGING",
                              "CBT HCBT_ACTIVATE top", "top WM_ACTIVATEAPP", "top WM_NCACTIVATE",
                              "top WM_ACTIVATE", "CBT HCBT_SETFOCUS top", "top WM_SETFOCUS",
                              "top WM_WINDOWPOSCHANGED", "top WM_SIZE", "top WM_MOVE"}));
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(MessageOrderTest, ShowWithoutActivationLeavesActivationAlone) {
    HWND top = Create("top", kMainStyle, 10, 10, 405, 238);
    StartLog();
    ShowWindow(top, SW_SHOWNA);
    EXPECT_EQ(TakeLog(), (Log{"top WM_SHOWWINDOW", "top WM_WINDOWPOSCHANGING",
                              "top WM_WINDOWPOSCHANGED", "top WM_SIZE", "top WM_MOVE"}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(top));
}

TEST_F(MessageOrderTest, FocusMovesWithKillFocusBeforeSetFocus) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 10, 10, 405, 238);
    HWND first = Create("first", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top);
    HWND second = Create("second", WS_CHILD | WS_VISIBLE, 60, 2, 50, 60, top);
    StartLog();
    EXPECT_EQ(SetFocus(first), top);
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(TakeLog(),
              (Log{"CBT HCBT_SETFOCUS first", "top WM_KILLFOCUS", "first WM_SETFOCUS",
                   "CBT HCBT_SETFOCUS second", "first WM_KILLFOCUS", "second WM_SETFOCUS"}));
    EXPECT_EQ(GetFocus(), second);
}

TEST_F(MessageOrderTest, DisablingTheFocusedWindowTakesTheFocusAwayBeforeWmEnable) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 10, 10, 405, 238);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top);
    SetFocus(child);
    StartLog();
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_EQ(TakeLog(), (Log{"child WM_CANCELMODE", "CBT HCBT_SETFOCUS null", "child WM_KILLFOCUS",
                              "child WM_ENABLE"}));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_EQ(SetFocus(child), nullptr);
    EXPECT_EQ(GetFocus(), child) << "code can still give a disabled child the focus";
    StartLog();
    EXPECT_TRUE(EnableWindow(child, TRUE)) << "the window was disabled before";
    EXPECT_EQ(TakeLog(), (Log{"child WM_ENABLE"}));
}

TEST_F(MessageOrderTest, DisablingTheActiveWindowDropsTheFocusButKeepsItActive) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 10, 10, 405, 238);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top);
    SetFocus(child);
    EnableWindow(top, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(SetFocus(child), nullptr) << "no focus inside a disabled window";
    EXPECT_EQ(GetFocus(), nullptr);
    EnableWindow(top, TRUE);
    EXPECT_EQ(SetFocus(child), nullptr);
    EXPECT_EQ(GetFocus(), child);
}

TEST_F(MessageOrderTest, FrameChangeRecalculatesTheClientAreaWithoutMoving) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 10, 10, 405, 238);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top);
    SetWindowLongA(child, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    StartLog();
    SetWindowPos(child, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(TakeLog(), (Log{"child WM_WINDOWPOSCHANGING", "child WM_NCCALCSIZE",
                              "child WM_WINDOWPOSCHANGED"}));
    RECT client;
    GetClientRect(child, &client);
    EXPECT_EQ(client.right, 46);
    EXPECT_EQ(client.bottom, 56);
}

TEST_F(MessageOrderTest, MoveWindowSendsMoveThenSize) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 10, 10, 405, 238);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top);
    StartLog();
    MoveWindow(child, 5, 6, 70, 80, TRUE);
    EXPECT_EQ(TakeLog(), (Log{"child WM_WINDOWPOSCHANGING", "child WM_NCCALCSIZE",
                              "child WM_WINDOWPOSCHANGED", "child WM_MOVE", "child WM_SIZE"}));
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 10 + 3 + 5);
    EXPECT_EQ(rect.top, 10 + 22 + 6);
    EXPECT_EQ(rect.right - rect.left, 70);
}

TEST_F(MessageOrderTest, DestroyDeactivatesThenDestroysDownTheTreeAndFreesFromTheLeaves) {
    HWND top = Create("top", kMainStyle | WS_VISIBLE, 10, 10, 405, 238);
    Create("first", WS_CHILD | WS_VISIBLE, 1, 2, 50, 60, top, WS_EX_NOPARENTNOTIFY);
    Create("second", WS_CHILD, 60, 2, 50, 60, top, WS_EX_NOPARENTNOTIFY);
    SetFocus(nullptr);
    StartLog();
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_EQ(TakeLog(),
              (Log{"CBT HCBT_DESTROYWND top", "top WM_WINDOWPOSCHANGING", "top WM_WINDOWPOSCHANGED",
                   "CBT HCBT_ACTIVATE null", "top WM_NCACTIVATE", "top WM_ACTIVATE",
                   "top WM_ACTIVATEAPP", "top WM_DESTROY", "first WM_DESTROY", "second WM_DESTROY",
                   "first WM_NCDESTROY", "second WM_NCDESTROY", "top WM_NCDESTROY"}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_FALSE(IsWindow(top));
}

}  // namespace
}  // namespace layer::user::testing
