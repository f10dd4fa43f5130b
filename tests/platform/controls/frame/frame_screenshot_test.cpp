// A classic dialog on the headless screen: a captioned window with a group box, an edit box with
// text and a push button, and a message box over it, saved as a PNG to be looked at.
#include <gtest/gtest.h>

#include <string>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "tests/platform/controls/frame/frame_test_window.h"

namespace layer::testing {
namespace {

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
              RECT rect, int id) {
    HWND child = ::CreateWindowExA(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   TRUE);
    return child;
}

TEST(FrameScreenshot, ADialogWithAMessageBox) {
    const std::string path = std::string(QUORVANE_BUILD_DIR) + "/frame_dialog.png";
    Scenario s;
    HWND window = nullptr;
    s.Check([&](Screen& screen) {
         // The message box is active, so the dialog's caption is drawn inactive.
         EXPECT_EQ(screen.Pixel(103, 103), ::GetSysColor(COLOR_INACTIVECAPTION));
         HWND box = ::GetActiveWindow();
         ASSERT_NE(box, window);
         RECT rect;
         ::GetWindowRect(box, &rect);
         EXPECT_EQ(screen.Pixel(rect.left + 3, rect.top + 3), ::GetSysColor(COLOR_ACTIVECAPTION));
     })
        .SavePng(path)
        .Key(VK_RETURN)
        .Check([&](Screen& screen) {
            EXPECT_EQ(screen.Pixel(103, 103), ::GetSysColor(COLOR_ACTIVECAPTION));
        })
        .SavePng(std::string(QUORVANE_BUILD_DIR) + "/frame_dialog_active.png")
        .Key(VK_F4, kAlt);
    s.Run([&] {
        window = CreateFrameWindow();
        ASSERT_NE(window, nullptr);
        AddChild(window, "Edit", "张三 李四", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                 RECT{20, 28, 248, 49}, 101);
        AddChild(window, "Button", "抽奖", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, RECT{280, 28, 380, 56},
                 102);
        // The group box comes last, at the bottom of the siblings, so the edit box stays above it.
        AddChild(window, "Button", "中奖名单", BS_GROUPBOX, 0, RECT{8, 6, 260, 200}, 100);
        ::MessageBoxA(window, "你还没输入人数！", "Quorvane", MB_OK);
        RunFrameLoop();
    });
}

}  // namespace
}  // namespace layer::testing
