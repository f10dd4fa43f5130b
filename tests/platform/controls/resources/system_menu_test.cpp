// The system menu model: its items by window style, the same handle on every call, deleting and
// greying items, reverting, and handles that die with their window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/user/menu/system_menu.h"
#include "platform/win32.h"

namespace {

class SystemMenuTest : public ::testing::Test {
  protected:
    void SetUp() override { layer::host::HeadlessHost::Install(); }
    void TearDown() override {
        for (HWND window : windows_) {
            DestroyWindow(window);
        }
        layer::host::Install(nullptr);
    }
    HWND Create(DWORD style) {
        HWND window = CreateWindowExA(0, "Static", "menu", style, 0, 0, 200, 100, nullptr, nullptr,
                                      nullptr, nullptr);
        EXPECT_NE(nullptr, window);
        windows_.push_back(window);
        return window;
    }
    // The items as "id:state", in order.
    static std::vector<std::string> ItemsOf(HMENU menu) {
        std::vector<std::string> items;
        for (int index = 0; index < GetMenuItemCount(menu); ++index) {
            char line[32];
            std::snprintf(line, sizeof line, "%04X:%X", GetMenuItemID(menu, index),
                          GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION));
            items.push_back(line);
        }
        return items;
    }

    std::vector<HWND> windows_;
};

using Items = std::vector<std::string>;

TEST_F(SystemMenuTest, ItemsFollowTheWindowsStyle) {
    const struct {
        const char* name;
        DWORD style;
        Items expected;
    } cases[] = {
        // The program's main window: caption and system menu, no boxes, no sizing frame.
        {"fixed", 0x02C80000, {"F010:0", "0000:803", "F060:1000"}},
        {"overlapped",
         WS_OVERLAPPEDWINDOW,
         {"F120:1", "F010:0", "F000:0", "F020:0", "F030:0", "0000:803", "F060:1000"}},
        {"minimise box only",
         WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         {"F120:1", "F010:0", "F000:1", "F020:0", "F030:1", "0000:803", "F060:1000"}},
    };
    for (const auto& test : cases) {
        HMENU menu = GetSystemMenu(Create(test.style), FALSE);
        ASSERT_NE(nullptr, menu) << test.name;
        EXPECT_EQ(test.expected, ItemsOf(menu)) << test.name;
    }
    EXPECT_EQ(nullptr, GetSystemMenu(Create(WS_POPUP), FALSE)) << "no WS_SYSMENU, no menu";
}

TEST_F(SystemMenuTest, TextsNameTheCommandsInChinese) {
    HMENU menu = GetSystemMenu(Create(0x02C80000), FALSE);
    char text[64];
    ASSERT_EQ(8, GetMenuStringA(menu, SC_MOVE, text, sizeof text, MF_BYCOMMAND));
    EXPECT_STREQ("\xD2\xC6\xB6\xAF(&M)", text);
    GetMenuStringA(menu, 2, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("\xB9\xD8\xB1\xD5(&C)\tAlt+F4", text);
    EXPECT_EQ(3, GetMenuStringA(menu, SC_CLOSE, text, 4, MF_BYCOMMAND)) << "cut to the buffer";
    EXPECT_STREQ("\xB9\xD8\xB1", text);
}

TEST_F(SystemMenuTest, DeleteEnableAndRevert) {
    HWND window = Create(0x02C80000);
    HMENU menu = GetSystemMenu(window, FALSE);
    EXPECT_EQ(menu, GetSystemMenu(window, FALSE));
    EXPECT_EQ(MF_ENABLED, EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_EQ(MF_GRAYED, EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED));
    EXPECT_EQ(-1, EnableMenuItem(menu, 0x1234, MF_BYCOMMAND | MF_GRAYED));

    EXPECT_TRUE(DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND));
    EXPECT_EQ((Items{"0000:803", "F060:1000"}), ItemsOf(menu));
    SetLastError(0);
    EXPECT_FALSE(DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MENU_ITEM_NOT_FOUND), GetLastError());
    EXPECT_TRUE(RemoveMenu(menu, 0, MF_BYPOSITION));
    EXPECT_FALSE(RemoveMenu(menu, 1, MF_BYPOSITION));
    EXPECT_EQ((Items{"F060:1000"}), ItemsOf(menu));

    EXPECT_EQ(nullptr, GetSystemMenu(window, TRUE));
    EXPECT_EQ(menu, GetSystemMenu(window, FALSE)) << "reverting keeps the handle";
    EXPECT_EQ(3, GetMenuItemCount(menu));
}

TEST_F(SystemMenuTest, StatesFollowTheStyleWhenThePopupUpdatesThem) {
    HWND window = Create(WS_OVERLAPPEDWINDOW);
    HMENU menu = GetSystemMenu(window, FALSE);
    layer::user::Menu* model = layer::user::MenuTable::Instance().Find(menu);
    ASSERT_NE(nullptr, model);
    layer::user::MenuTable::Instance().UpdateStates(*model, WS_OVERLAPPEDWINDOW | WS_MAXIMIZE);
    EXPECT_EQ((Items{"F120:0", "F010:1", "F000:1", "F020:0", "F030:1", "0000:803", "F060:1000"}),
              ItemsOf(menu));
}

TEST_F(SystemMenuTest, HandlesDieWithTheirWindowAndMadeUpOnesFail) {
    HWND window = Create(0x02C80000);
    HMENU menu = GetSystemMenu(window, FALSE);
    DestroyWindow(window);
    windows_.clear();
    for (HMENU bad : {menu, static_cast<HMENU>(nullptr), reinterpret_cast<HMENU>(0x1234)}) {
        SetLastError(0);
        EXPECT_EQ(-1, GetMenuItemCount(bad));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE), GetLastError());
        EXPECT_FALSE(DeleteMenu(bad, SC_CLOSE, MF_BYCOMMAND));
        EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(bad, SC_CLOSE, MF_BYCOMMAND));
    }
    SetLastError(0);
    EXPECT_EQ(nullptr, GetSystemMenu(window, FALSE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

}  // namespace
