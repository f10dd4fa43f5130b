// Input from the host: hit-testing, activation on click, capture, mouse-leave tracking,
// double-clicks, disabled windows, keys with their lParam fields, typed text, cursors, focus
// changes of the desktop, close requests and the end of the session.
#include <gtest/gtest.h>

#include "platform/user/diagnostics.h"
#include "platform/user/input_router.h"
#include "tests/platform/user/window_test_support.h"

namespace layer::user::testing {
namespace {

using Kind = host::InputEvent::Kind;

class InputTest : public WindowTest {
  protected:
    // A frameless top-level window at (100, 100) with a child at (10, 10)-(60, 60) of it.
    void SetUp() override {
        WindowTest::SetUp();
        top_ = Create("top", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200);
        child_ = Create("child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top_);
        Pump();
    }

    void Send(Kind kind, POINT point = {0, 0}, int button = 0) {
        host::InputEvent event;
        event.kind = kind;
        event.point = point;
        event.button = button;
        event.window = top_;
        host_->QueueInput(event);
    }
    void SendKey(UINT key, bool down, UINT scanCode = 0x1E) {
        host::InputEvent event;
        event.kind = down ? Kind::KeyDown : Kind::KeyUp;
        event.virtualKey = key;
        event.scanCode = scanCode;
        host_->QueueInput(event);
    }
    // The input messages waiting now (paint aside), taken from the queue without dispatching.
    std::vector<MSG> TakeInput() {
        std::vector<MSG> taken;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_PAINT) {
                DispatchMessageA(&message);
                continue;
            }
            taken.push_back(message);
        }
        return taken;
    }

    HWND top_ = nullptr;
    HWND child_ = nullptr;
};

TEST_F(InputTest, AClickActivatesTheWindowAndReachesTheDeepestChildInClientCoordinates) {
    SetActiveWindow(nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    Send(Kind::ButtonDown, {100 + 15, 100 + 17}, 1);
    Send(Kind::ButtonUp, {100 + 15, 100 + 17}, 1);
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 2u);
    EXPECT_EQ(GetActiveWindow(), top_) << "a click activates the window";
    EXPECT_EQ(input[0].hwnd, child_);
    EXPECT_EQ(input[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(input[0].lParam, MAKELPARAM(5, 7));
    EXPECT_EQ(input[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(input[1].message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(input[1].wParam, 0u);
}

TEST_F(InputTest, AClickOnAnInactiveWindowNotifiesActivatesThenDelivers) {
    HWND other = Create("other", WS_POPUP | WS_VISIBLE, 500, 100, 100, 100);
    ASSERT_EQ(GetActiveWindow(), other);
    Send(Kind::MouseMove, {150, 150});
    TakeInput();
    StartLog();
    Send(Kind::ButtonDown, {150, 150}, 1);
    Pump();
    // The order Wine shows for the same click.
    EXPECT_EQ(TakeLog(),
              (std::vector<std::string>{
                  "top WM_PARENTNOTIFY", "child WM_MOUSEACTIVATE", "top WM_MOUSEACTIVATE",
                  "CBT HCBT_ACTIVATE top", "other WM_NCACTIVATE", "other WM_ACTIVATE",
                  "top WM_NCACTIVATE", "top WM_ACTIVATE", "CBT HCBT_SETFOCUS top",
                  "other WM_KILLFOCUS", "top WM_SETFOCUS", "child WM_LBUTTONDOWN"}));
    Send(Kind::ButtonUp, {150, 150}, 1);
    Pump();
}

TEST_F(InputTest, DisabledWindowsGetNoMouseInput) {
    EnableWindow(child_, FALSE);
    Send(Kind::ButtonDown, {100 + 15, 100 + 17}, 1);
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 1u);
    EXPECT_EQ(input[0].hwnd, top_) << "the click goes to the enabled window below";
    EnableWindow(top_, FALSE);
    Send(Kind::ButtonUp, {100 + 15, 100 + 17}, 1);
    Send(Kind::ButtonDown, {100 + 150, 100 + 17}, 1);
    EXPECT_TRUE(TakeInput().empty()) << "a disabled top-level window gets nothing";
}

LRESULT CALLBACK TransparentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) {
        return HTTRANSPARENT;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(InputTest, AWindowAnsweringHttransparentPassesThePointOn) {
    SetWindowLongPtrA(child_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TransparentProc));
    Send(Kind::MouseMove, {100 + 15, 100 + 17});
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 1u);
    EXPECT_EQ(input[0].hwnd, top_);
    EXPECT_EQ(input[0].lParam, MAKELPARAM(15, 17));
    EXPECT_EQ(WindowFromPoint(POINT{100 + 15, 100 + 17}), top_);
}

TEST_F(InputTest, CaptureTakesTheMouseEverywhereUntilReleased) {
    SetCapture(child_);
    EXPECT_EQ(GetCapture(), child_);
    Send(Kind::MouseMove, {100 + 200, 100 + 150});
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 1u);
    EXPECT_EQ(input[0].hwnd, child_);
    EXPECT_EQ(input[0].lParam, MAKELPARAM(190, 140));
    StartLog();
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"child WM_CAPTURECHANGED"}));
    EXPECT_EQ(GetCapture(), nullptr);
    Send(Kind::MouseMove, {100 + 200, 100 + 150});
    input = TakeInput();
    ASSERT_EQ(input.size(), 1u);
    EXPECT_EQ(input[0].hwnd, top_);
}

TEST_F(InputTest, TrackLeaveReportsOneMouseLeaveWhenThePointerLeaves) {
    Send(Kind::MouseMove, {100 + 15, 100 + 15});
    TakeInput();
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, child_, 0};
    ASSERT_TRUE(_TrackMouseEvent(&track));
    TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.hwndTrack, child_);
    Send(Kind::MouseMove, {100 + 20, 100 + 20});
    EXPECT_EQ(TakeInput().size(), 1u) << "moving inside the window does not end tracking";
    Send(Kind::MouseMove, {100 + 150, 100 + 150});
    Send(Kind::MouseMove, {100 + 160, 100 + 150});
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 3u);
    EXPECT_EQ(input[0].hwnd, child_);
    EXPECT_EQ(input[0].message, static_cast<UINT>(WM_MOUSELEAVE));
    EXPECT_EQ(input[1].message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(input[2].message, static_cast<UINT>(WM_MOUSEMOVE)) << "only one leave";

    ASSERT_TRUE(_TrackMouseEvent(&track)) << "tracking a window the pointer is not over";
    input = TakeInput();
    ASSERT_EQ(input.size(), 1u);
    EXPECT_EQ(input[0].message, static_cast<UINT>(WM_MOUSELEAVE)) << "reports the leave at once";
    TRACKMOUSEEVENT hover{sizeof(hover), TME_HOVER, child_, HOVER_DEFAULT};
    EXPECT_FALSE(TrackMouseEvent(&hover));
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTheTimeAndThePlace) {
    auto clickTwice = [&](POINT first, POINT second, DWORD gap) {
        Send(Kind::ButtonDown, first, 1);
        Send(Kind::ButtonUp, first, 1);
        TakeInput();
        host_->AdvanceTickCount(gap);
        Send(Kind::ButtonDown, second, 1);
        Send(Kind::ButtonUp, second, 1);
        std::vector<MSG> input = TakeInput();
        return input.empty() ? 0u : input[0].message;
    };
    POINT point{100 + 20, 100 + 20};
    EXPECT_EQ(clickTwice(point, point, 100), static_cast<UINT>(WM_LBUTTONDBLCLK));
    host_->AdvanceTickCount(1000);
    EXPECT_EQ(clickTwice(point, point, 501), static_cast<UINT>(WM_LBUTTONDOWN)) << "too slow";
    host_->AdvanceTickCount(1000);
    EXPECT_EQ(clickTwice(point, POINT{point.x + 3, point.y}, 10), static_cast<UINT>(WM_LBUTTONDOWN))
        << "too far apart";

    WNDCLASSA plain{};
    plain.lpfnWndProc = DefWindowProcA;
    plain.lpszClassName = "NoDoubleClicks";
    RegisterClassA(&plain);
    CreateWindowExA(0, "NoDoubleClicks", "", WS_CHILD | WS_VISIBLE, 200, 100, 50, 50, top_, nullptr,
                    nullptr, nullptr);
    host_->AdvanceTickCount(1000);
    EXPECT_EQ(clickTwice(POINT{100 + 210, 100 + 110}, POINT{100 + 210, 100 + 110}, 10),
              static_cast<UINT>(WM_LBUTTONDOWN));
}

TEST_F(InputTest, KeysCarryTheirLparamFieldsAndKeyState) {
    SetFocus(child_);
    SendKey(VK_SHIFT, true, 0x2A);
    SendKey('A', true);
    SendKey('A', true);
    SendKey('A', false);
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 4u);
    EXPECT_EQ(input[1].hwnd, child_);
    EXPECT_EQ(input[1].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(input[1].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(static_cast<DWORD>(input[1].lParam), 0x001E0001u);
    EXPECT_EQ(static_cast<DWORD>(input[2].lParam), 0x401E0001u) << "auto-repeat: was down";
    EXPECT_EQ(static_cast<DWORD>(input[3].lParam), 0xC01E0001u) << "release";
    EXPECT_LT(GetKeyState(VK_SHIFT), 0) << "Shift is held";
    EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    SendKey(VK_SHIFT, false, 0x2A);
    TakeInput();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(InputTest, KeyStateFollowsTheMessagesTakenNotTheInputThatArrived) {
    // Shift+Esc arrives whole before the program takes the Esc, as a desktop host delivers a
    // burst of input in one go: while the program handles the Esc, Shift must still read as
    // held, although its release has already arrived.
    SetFocus(child_);
    auto arrive = [](UINT key, bool down, UINT scanCode) {
        host::InputEvent event;
        event.kind = down ? Kind::KeyDown : Kind::KeyUp;
        event.virtualKey = key;
        event.scanCode = scanCode;
        InputRouter::Instance().OnInput(event);
    };
    arrive(VK_SHIFT, true, 0x2A);
    arrive(VK_ESCAPE, true, 0x01);
    arrive(VK_ESCAPE, false, 0x01);
    arrive(VK_SHIFT, false, 0x2A);
    struct Seen {
        UINT message;
        WPARAM key;
        bool shiftHeld;
    };
    std::vector<Seen> seen;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_PAINT) {
            seen.push_back({message.message, message.wParam, GetKeyState(VK_SHIFT) < 0});
        }
    }
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[1].key, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_TRUE(seen[1].shiftHeld) << "Shift as it was when Esc went down";
    EXPECT_TRUE(seen[2].shiftHeld);
    EXPECT_FALSE(seen[3].shiftHeld) << "after the Shift release is taken";
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0) << "the physical key is up already";
}

TEST_F(InputTest, AltF4IsASystemKeyThatClosesTheWindow) {
    SetFocus(child_);
    SendKey(VK_MENU, true, 0x38);
    SendKey(VK_F4, true, 0x3E);
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 2u);
    EXPECT_EQ(input[1].message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_NE(input[1].lParam & (1L << 29), 0) << "the context bit says Alt is held";
    DispatchMessageA(&input[1]);
    Pump();
    EXPECT_FALSE(IsWindow(top_));
    SendKey(VK_F4, false, 0x3E);
    SendKey(VK_MENU, false, 0x38);
    Pump();
}

TEST_F(InputTest, TextBecomesCodePageBytesAndTranslateMakesOnlyControlCharacters) {
    SetFocus(child_);
    host::InputEvent text;
    text.kind = Kind::Text;
    text.text = "a\xE6\x8A\xBD";  // "a" and U+62BD, which is B3 E9 in code page 936
    host_->QueueInput(text);
    std::vector<MSG> input = TakeInput();
    ASSERT_EQ(input.size(), 3u);
    EXPECT_EQ(input[0].wParam, static_cast<WPARAM>('a'));
    EXPECT_EQ(input[1].wParam, 0xB3u) << "lead byte first";
    EXPECT_EQ(input[2].wParam, 0xE9u);
    EXPECT_EQ(input[2].hwnd, child_);

    struct Case {
        UINT key;
        WPARAM character;
    };
    for (Case c : {Case{VK_RETURN, 0x0D}, Case{VK_BACK, 0x08}, Case{VK_ESCAPE, 0x1B},
                   Case{VK_TAB, 0x09}, Case{'A', 0}}) {
        MSG key{child_, WM_KEYDOWN, c.key, 1, 0, {0, 0}};
        EXPECT_TRUE(TranslateMessage(&key));
        std::vector<MSG> made = TakeInput();
        if (c.character == 0) {
            EXPECT_TRUE(made.empty()) << "printable keys make no character: " << c.key;
        } else {
            ASSERT_EQ(made.size(), 1u) << "key " << c.key;
            EXPECT_EQ(made[0].message, static_cast<UINT>(WM_CHAR));
            EXPECT_EQ(made[0].wParam, c.character);
        }
    }
}

TEST_F(InputTest, TheClassCursorIsSetOverTheClientArea) {
    WNDCLASSA beam{};
    beam.lpfnWndProc = DefWindowProcA;
    beam.lpszClassName = "Beam";
    beam.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    RegisterClassA(&beam);
    CreateWindowExA(0, "Beam", "", WS_CHILD | WS_VISIBLE, 100, 100, 50, 50, top_, nullptr, nullptr,
                    nullptr);
    Send(Kind::MouseMove, {100 + 110, 100 + 110});
    TakeInput();
    EXPECT_EQ(host_->CurrentCursor(), host::Cursor::IBeam);
    Send(Kind::MouseMove, {100 + 20, 100 + 20});
    TakeInput();
    EXPECT_EQ(host_->CurrentCursor(), host::Cursor::Arrow);
}

TEST_F(InputTest, DesktopFocusActivatesAndCloseRequestsCloseTheWindow) {
    Send(Kind::FocusGained);
    Pump();
    EXPECT_EQ(GetActiveWindow(), top_);
    EXPECT_EQ(GetFocus(), top_);
    Send(Kind::FocusLost);
    Pump();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    StartLog();
    Send(Kind::CloseRequest);
    Pump();
    std::vector<std::string> log = TakeLog();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "top WM_SYSCOMMAND");
    EXPECT_EQ(log[1], "CBT HCBT_SYSCOMMAND 0xF060") << "the hook hears of the command first";
    EXPECT_EQ(log[2], "top WM_CLOSE");
    EXPECT_FALSE(IsWindow(top_));
}

TEST_F(InputTest, SessionEndAsksEveryWindowAndEndsTheProcess) {
    EXPECT_EXIT(
        {
            Send(Kind::SessionEnd);
            Pump();
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace layer::user::testing
