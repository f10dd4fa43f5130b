// The icons of a window: WM_SETICON returns the previous one, WM_GETICON reads them back, the host
// gets the big icon of a top-level window (else the small one), and the caption's icon falls back
// from small to big to the class icon.
#include <gtest/gtest.h>

#include "platform/host/headless/headless_host.h"
#include "platform/user/icons/window_icons.h"
#include "platform/win32.h"

namespace {

class WindowIconsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = &layer::host::HeadlessHost::Install();
        classIcon_ = LoadIconA(nullptr, IDI_APPLICATION);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hIcon = classIcon_;
        windowClass.lpszClassName = "IconWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "IconWindow", "icons", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, window_);
        big_ = static_cast<HICON>(LoadImageA(nullptr, IDI_QUESTION, IMAGE_ICON, 32, 32, 0));
        small_ = static_cast<HICON>(LoadImageA(nullptr, IDI_ERROR, IMAGE_ICON, 16, 16, 0));
    }
    void TearDown() override {
        DestroyWindow(window_);
        UnregisterClassA("IconWindow", nullptr);
        DestroyIcon(big_);
        DestroyIcon(small_);
        layer::host::Install(nullptr);
    }

    HICON Set(WPARAM which, HICON icon) {
        return reinterpret_cast<HICON>(
            SendMessageA(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon)));
    }
    HICON Get(WPARAM which) {
        return reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, which, 0));
    }
    SIZE HostIconSize() { return host_->FindTopLevel(window_)->iconSize; }

    layer::host::HeadlessHost* host_ = nullptr;
    HWND window_ = nullptr;
    HICON classIcon_ = nullptr;
    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

TEST_F(WindowIconsTest, SetIconReturnsThePreviousIconOfThatKind) {
    EXPECT_EQ(nullptr, Get(ICON_BIG));
    EXPECT_EQ(nullptr, Set(ICON_BIG, big_));
    EXPECT_EQ(nullptr, Set(ICON_SMALL, small_));
    EXPECT_EQ(big_, Get(ICON_BIG));
    EXPECT_EQ(small_, Get(ICON_SMALL));
    EXPECT_EQ(big_, Set(ICON_BIG, nullptr));
    EXPECT_EQ(nullptr, Get(ICON_BIG));
    EXPECT_EQ(small_, Get(ICON_SMALL2));
    EXPECT_EQ(nullptr, Set(7, big_)) << "an unknown kind changes nothing";
    EXPECT_EQ(nullptr, Get(ICON_BIG));
}

TEST_F(WindowIconsTest, TheHostShowsTheBigIconElseTheSmallOne) {
    ASSERT_NE(nullptr, host_->FindTopLevel(window_));
    Set(ICON_SMALL, small_);
    EXPECT_EQ(16, HostIconSize().cx);
    Set(ICON_BIG, big_);
    EXPECT_EQ(32, HostIconSize().cx);
    Set(ICON_SMALL, nullptr);
    EXPECT_EQ(32, HostIconSize().cx);
    Set(ICON_BIG, nullptr);
    EXPECT_EQ(0, HostIconSize().cx) << "no icon left: the host removes it";
}

TEST_F(WindowIconsTest, TheCaptionIconFallsBackFromSmallToBigToTheClass) {
    EXPECT_EQ(classIcon_, layer::user::SmallIconOf(window_));
    Set(ICON_BIG, big_);
    EXPECT_EQ(big_, layer::user::SmallIconOf(window_));
    Set(ICON_SMALL, small_);
    EXPECT_EQ(small_, layer::user::SmallIconOf(window_));
    HWND gone = window_;
    DestroyWindow(window_);
    window_ = nullptr;
    EXPECT_EQ(nullptr, layer::user::SmallIconOf(gone));
}

}  // namespace
