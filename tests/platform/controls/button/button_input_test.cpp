// A person pressing buttons on the headless screen: a click notifies the parent once, a press
// released elsewhere does not, the pressed look follows the pointer while the button is held, and
// Space clicks the focused button.
#include <gtest/gtest.h>

#include <vector>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "tests/platform/controls/button/control_test_window.h"

namespace layer::testing {
namespace {

constexpr RECT kParentRect{100, 100, 400, 300};
constexpr RECT kButtonRect{20, 20, 95, 43};  // 75 x 23 in the parent's client area
constexpr POINT kInside{100 + 50, 100 + 30};
constexpr POINT kOutside{100 + 200, 100 + 150};
constexpr int kButtonId = 150;

class ButtonInput : public ::testing::Test {
  protected:
    void RunWith(Scenario& scenario) {
        EndProgram(scenario);
        scenario.Run([this] {
            parent_ = CreateControlParent(kParentRect);
            ASSERT_NE(parent_, nullptr) << "error " << ::GetLastError();
            button_ = CreateControl(parent_, "BUTTON", "OK", BS_PUSHBUTTON | WS_TABSTOP,
                                    kButtonRect, kButtonId);
            other_ = CreateControl(parent_, "Button", "Other", BS_PUSHBUTTON, {120, 20, 195, 43},
                                   kButtonId + 1);
            ASSERT_NE(button_, nullptr) << "error " << ::GetLastError();
            ::SetFocus(other_);
            RunProgramLoop(parent_);
        });
    }

    HWND parent_ = nullptr;
    HWND button_ = nullptr;
    HWND other_ = nullptr;
};

TEST_F(ButtonInput, AClickNotifiesTheParentOnceAndTakesTheFocus) {
    Scenario s;
    s.Click(kInside.x, kInside.y).Check([this](Screen& screen) {
        ASSERT_EQ(Parent().notifications.size(), 1u);
        const Notification& notification = Parent().notifications[0];
        EXPECT_EQ(notification.control, button_);
        EXPECT_EQ(notification.id, kButtonId);
        EXPECT_EQ(notification.code, BN_CLICKED);
        EXPECT_EQ(screen.Focus(), button_);
        EXPECT_EQ(StateOf(button_) & BST_PUSHED, 0u) << "released after the click";
        EXPECT_EQ(::GetCapture(), nullptr);
    });
    RunWith(s);
}

TEST_F(ButtonInput, ThePressedLookFollowsThePointerAndAReleaseOutsideDoesNotClick) {
    const POINT edge{kParentRect.left + kButtonRect.left, kParentRect.top + kButtonRect.top + 11};
    Scenario s;
    s.Press(kInside.x, kInside.y)
        .Check([this, edge](Screen& screen) {
            EXPECT_NE(StateOf(button_) & BST_PUSHED, 0u);
            EXPECT_EQ(::GetCapture(), button_);
            EXPECT_EQ(screen.Pixel(edge.x, edge.y), ::GetSysColor(COLOR_3DDKSHADOW))
                << "sunken while pressed";
        })
        .Move(kOutside.x, kOutside.y)
        .Check([this, edge](Screen& screen) {
            EXPECT_EQ(StateOf(button_) & BST_PUSHED, 0u) << "raised with the pointer outside";
            EXPECT_EQ(screen.Pixel(edge.x, edge.y), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        })
        .Move(kInside.x, kInside.y)
        .Check([this, edge](Screen& screen) {
            EXPECT_NE(StateOf(button_) & BST_PUSHED, 0u) << "pressed again back over it";
            EXPECT_EQ(screen.Pixel(edge.x, edge.y), ::GetSysColor(COLOR_3DDKSHADOW));
        })
        .Release(kOutside.x, kOutside.y)
        .Check([this](Screen&) {
            EXPECT_EQ(ClicksOf(button_), 0);
            EXPECT_EQ(StateOf(button_) & BST_PUSHED, 0u);
            EXPECT_EQ(::GetCapture(), nullptr);
        })
        // A press that starts elsewhere and ends on the button is no click either.
        .Press(kOutside.x, kOutside.y)
        .Release(kInside.x, kInside.y)
        .Check([this](Screen&) { EXPECT_EQ(ClicksOf(button_), 0); });
    RunWith(s);
}

TEST_F(ButtonInput, SpaceClicksTheFocusedButtonWhenItComesUp) {
    Scenario s;
    s.Check([this](Screen&) { ::SetFocus(button_); })
        .Key(VK_SPACE)
        .Check([this](Screen&) {
            EXPECT_EQ(ClicksOf(button_), 1);
            EXPECT_EQ(ClicksOf(other_), 0);
            EXPECT_EQ(StateOf(button_) & BST_PUSHED, 0u);
        })
        // Enter is no click of its own for a button outside a dialog.
        .Key(VK_RETURN)
        .Check([this](Screen&) { EXPECT_EQ(ClicksOf(button_), 1); });
    RunWith(s);
}

TEST_F(ButtonInput, SpaceHeldShowsThePressAndLosingTheFocusCancelsIt) {
    Scenario s;
    s.Check([this](Screen&) { ::SetFocus(button_); })
        .Inject(KeyEvent(host::InputEvent::Kind::KeyDown, VK_SPACE), "Space down")
        .Check([this](Screen&) {
            EXPECT_NE(StateOf(button_) & BST_PUSHED, 0u);
            ::SetFocus(other_);
            EXPECT_EQ(StateOf(button_) & BST_PUSHED, 0u);
        })
        .Inject(KeyEvent(host::InputEvent::Kind::KeyUp, VK_SPACE), "Space up")
        .Check([this](Screen&) {
            EXPECT_EQ(ClicksOf(button_), 0);
            EXPECT_EQ(ClicksOf(other_), 0) << "the key-up alone clicks nothing";
        });
    RunWith(s);
}

TEST_F(ButtonInput, DisabledButtonsTakeNoClicks) {
    Scenario s;
    s.Check([this](Screen&) { ::EnableWindow(button_, FALSE); })
        .Click(kInside.x, kInside.y)
        .Check([this](Screen&) {
            ::SendMessageA(button_, BM_CLICK, 0, 0);
            EXPECT_EQ(ClicksOf(button_), 0);
            EXPECT_NE(::GetFocus(), button_);
        });
    RunWith(s);
}

// The BM_SETSTATE messages a subclass of the button sees, in order.
std::vector<WPARAM> pushedStates;
WNDPROC buttonProcedure = nullptr;

LRESULT CALLBACK RecordSetState(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_SETSTATE) {
        pushedStates.push_back(wParam);
    }
    return ::CallWindowProcA(buttonProcedure, window, message, wParam, lParam);
}

TEST_F(ButtonInput, PressingAndReleasingSendTheButtonBmSetState) {
    // A subclass, such as a restyling look, learns of every press and release through the
    // BM_SETSTATE the button sends itself, by the mouse (leaving and coming back included) and by
    // Space, as Wine shows.
    pushedStates.clear();
    Scenario s;
    s.Check([this](Screen&) {
         buttonProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
             button_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordSetState)));
     })
        .Press(kInside.x, kInside.y)
        .Move(kOutside.x, kOutside.y)
        .Move(kInside.x, kInside.y)
        .Release(kInside.x, kInside.y)
        .Key(VK_SPACE)
        .Check([this](Screen&) {
            EXPECT_EQ(pushedStates, (std::vector<WPARAM>{TRUE, FALSE, TRUE, FALSE, TRUE, FALSE}));
            EXPECT_EQ(ClicksOf(button_), 2);
        });
    RunWith(s);
}

}  // namespace
}  // namespace layer::testing
