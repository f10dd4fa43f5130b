// Timers and waiting: GetMessageA blocks in the host until input arrives or a timer is due,
// WM_TIMER goes to the window or to the timer's callback, and KillTimer stops it.
#include <gtest/gtest.h>

#include "platform/testing/scenario.h"
#include "platform/win32.h"

namespace {

std::vector<DWORD> callbackTicks;

void CALLBACK RecordTick(HWND, UINT message, UINT_PTR, DWORD tick) {
    EXPECT_EQ(message, static_cast<UINT>(WM_TIMER));
    callbackTicks.push_back(tick);
}

TEST(TimerTest, GetMessageWaitsUntilTheTimerIsDueAndThenDeliversIt) {
    layer::testing::Scenario scenario;
    scenario.AdvanceTickCount(50).AdvanceTickCount(60).AdvanceTickCount(200);
    std::vector<std::pair<UINT_PTR, DWORD>> timers;
    callbackTicks.clear();
    scenario.Run([&] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "TimerWindow";
        RegisterClassA(&windowClass);
        HWND window = CreateWindowExA(0, "TimerWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                      nullptr, nullptr, nullptr);
        DWORD start = GetTickCount();
        EXPECT_EQ(SetTimer(window, 5, 100, nullptr), 5u);
        UINT_PTR threadTimer = SetTimer(nullptr, 0, 250, RecordTick);
        EXPECT_NE(threadTimer, 0u);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0)) {
            if (message.message == WM_TIMER && message.hwnd == window) {
                timers.emplace_back(message.wParam, GetTickCount() - start);
                EXPECT_TRUE(KillTimer(window, 5));
                EXPECT_FALSE(KillTimer(window, 5)) << "a timer dies once";
            }
            DispatchMessageA(&message);
            if (!callbackTicks.empty()) {
                KillTimer(nullptr, threadTimer);
                DestroyWindow(window);
                PostQuitMessage(0);
            }
        }
        UnregisterClassA("TimerWindow", nullptr);
    });
    EXPECT_EQ(timers, (std::vector<std::pair<UINT_PTR, DWORD>>{{5, 110}}))
        << "the window timer fired once, at the first wait that reached it";
    ASSERT_EQ(callbackTicks.size(), 1u);
    EXPECT_EQ(callbackTicks[0], layer::host::HeadlessHost::kInitialTickCount + 310);
}

}  // namespace
