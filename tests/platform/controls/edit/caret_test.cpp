// The caret on its own: it inverts its rectangle so that hiding it restores the pixels, blinks on
// the owner's timer, and refuses calls when there is no caret.
#include <gtest/gtest.h>

#include "platform/testing/screen.h"
#include "tests/platform/controls/edit/edit_test_support.h"

namespace layer::user::edit::testing {
namespace {

class CaretTest : public EditTest {
  protected:
    void SetUp() override {
        EditTest::SetUp();
        owner_ = CreateWindowExA(0, "EditTestParent", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 30,
                                 parent_, nullptr, nullptr, nullptr);
        Pump();
    }
    void TearDown() override {
        DestroyCaret();
        EditTest::TearDown();
    }
    // The screen shows what was drawn once the thread has gone idle.
    COLORREF PixelAt(int x, int y) {
        Pump();
        layer::testing::Screen screen(*host_);
        return screen.Pixel(kParentOrigin.x + x, kParentOrigin.y + y);
    }

    HWND owner_ = nullptr;
};

TEST_F(CaretTest, ShowingInvertsAndHidingRestores) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF inverted =
        RGB(255 - GetRValue(face), 255 - GetGValue(face), 255 - GetBValue(face));
    ASSERT_TRUE(CreateCaret(owner_, nullptr, 2, 10));
    ASSERT_TRUE(SetCaretPos(5, 6));
    EXPECT_EQ(PixelAt(5, 6), face) << "a new caret is hidden";
    ASSERT_TRUE(ShowCaret(owner_));
    EXPECT_EQ(PixelAt(5, 6), inverted);
    EXPECT_EQ(PixelAt(6, 15), inverted);
    EXPECT_EQ(PixelAt(7, 6), face) << "two pixels wide";
    EXPECT_EQ(PixelAt(5, 16), face) << "ten pixels high";
    ASSERT_TRUE(SetCaretPos(20, 6));
    EXPECT_EQ(PixelAt(5, 6), face) << "moving takes it away from the old place";
    EXPECT_EQ(PixelAt(20, 6), inverted);
    ASSERT_TRUE(HideCaret(nullptr));
    ASSERT_TRUE(HideCaret(owner_));
    ASSERT_TRUE(ShowCaret(owner_));
    EXPECT_EQ(PixelAt(20, 6), face) << "hidden twice needs showing twice";
    ASSERT_TRUE(ShowCaret(owner_));
    EXPECT_EQ(PixelAt(20, 6), inverted);
    POINT position{};
    ASSERT_TRUE(GetCaretPos(&position));
    EXPECT_EQ(position.x, 20);
    EXPECT_EQ(position.y, 6);
    ASSERT_TRUE(DestroyCaret());
    EXPECT_EQ(PixelAt(20, 6), face) << "destroying a shown caret takes it off";
}

TEST_F(CaretTest, BlinksOnTheOwnersTimer) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(GetCaretBlinkTime(), 500u);
    CreateCaret(owner_, nullptr, 1, 10);
    ShowCaret(owner_);
    ASSERT_NE(PixelAt(0, 0), face);
    host_->AdvanceTickCount(500);
    Pump();
    EXPECT_EQ(PixelAt(0, 0), face) << "off after one blink time";
    host_->AdvanceTickCount(500);
    Pump();
    EXPECT_NE(PixelAt(0, 0), face) << "on again after the next";
}

TEST_F(CaretTest, RefusesCallsWithoutACaretOrForAnotherWindow) {
    POINT position{};
    SetLastError(0);
    EXPECT_FALSE(SetCaretPos(1, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(GetCaretPos(&position));
    EXPECT_FALSE(ShowCaret(nullptr));
    EXPECT_FALSE(DestroyCaret());
    EXPECT_FALSE(CreateCaret(reinterpret_cast<HWND>(0x1234), nullptr, 1, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    ASSERT_TRUE(CreateCaret(owner_, nullptr, 0, 0));
    EXPECT_FALSE(HideCaret(parent_)) << "only the owner, or null, names the caret";
    EXPECT_FALSE(GetCaretPos(nullptr));
    DestroyWindow(owner_);
    EXPECT_FALSE(ShowCaret(nullptr)) << "the caret goes with its window";
}

}  // namespace
}  // namespace layer::user::edit::testing
