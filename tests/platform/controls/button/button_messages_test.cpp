// The Button class's messages: state and check bits, the automatic check boxes and radio buttons,
// styles, fonts, dialog codes and hit-testing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "tests/platform/controls/button/control_test_window.h"

namespace layer::testing {
namespace {

// Runs the body with a parent window on a fresh headless screen, then destroys the parent.
template <typename Body>
void WithParent(Body body) {
    Scenario s;
    s.Run([&] {
        HWND parent = CreateControlParent({0, 0, 300, 200});
        ASSERT_NE(parent, nullptr);
        body(parent);
        ::DestroyWindow(parent);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    });
}

TEST(ButtonMessages, PushButtonsKeepThePushedAndFocusBitsButNoCheck) {
    WithParent([](HWND parent) {
        HWND button = CreateControl(parent, "Button", "OK", BS_PUSHBUTTON, {0, 0, 75, 23}, 1);
        EXPECT_EQ(StateOf(button), 0u);
        ::SendMessageA(button, BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(StateOf(button), static_cast<UINT>(BST_PUSHED));
        ::SetFocus(button);
        EXPECT_EQ(StateOf(button), static_cast<UINT>(BST_PUSHED | BST_FOCUS));
        ::SendMessageA(button, BM_SETSTATE, FALSE, 0);
        ::SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), BST_UNCHECKED)
            << "a push button has no check";
        EXPECT_EQ(StateOf(button), static_cast<UINT>(BST_FOCUS));
        ::SendMessageA(button, BM_CLICK, 0, 0);
        EXPECT_EQ(ClicksOf(button), 1) << "BM_CLICK notifies like a click";
    });
}

TEST(ButtonMessages, ClicksCycleTheChecksOfTheAutomaticTypesOnly) {
    struct Case {
        DWORD style;
        std::vector<LRESULT> checksAfterClicks;
    };
    const Case cases[] = {
        {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED}},
        {BS_3STATE, {BST_UNCHECKED}},
        {BS_AUTORADIOBUTTON, {BST_CHECKED, BST_CHECKED}},
        {BS_RADIOBUTTON, {BST_UNCHECKED}},
    };
    WithParent([&](HWND parent) {
        for (const Case& test : cases) {
            HWND button = CreateControl(parent, "Button", "x", test.style, {0, 0, 80, 20}, 7);
            for (size_t click = 0; click < test.checksAfterClicks.size(); ++click) {
                ::SendMessageA(button, BM_CLICK, 0, 0);
                EXPECT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), test.checksAfterClicks[click])
                    << "style " << test.style << " after click " << click + 1;
            }
            EXPECT_EQ(ClicksOf(button), static_cast<int>(test.checksAfterClicks.size()));
            ::DestroyWindow(button);
        }
    });
}

TEST(ButtonMessages, SetCheckAcceptsIndeterminateOnlyForThreeStateBoxes) {
    WithParent([](HWND parent) {
        HWND twoState = CreateControl(parent, "Button", "a", BS_CHECKBOX, {0, 0, 80, 20}, 1);
        HWND threeState = CreateControl(parent, "Button", "b", BS_3STATE, {0, 20, 80, 40}, 2);
        ::SendMessageA(twoState, BM_SETCHECK, BST_INDETERMINATE, 0);
        ::SendMessageA(threeState, BM_SETCHECK, BST_INDETERMINATE, 0);
        EXPECT_EQ(::SendMessageA(twoState, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(::SendMessageA(threeState, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
        ::SendMessageA(threeState, BM_SETCHECK, 0x7F, 0);
        EXPECT_EQ(::SendMessageA(threeState, BM_GETCHECK, 0, 0) & ~3, 0)
            << "only check bits are kept";
        EXPECT_TRUE(::CheckDlgButton(parent, 1, BST_UNCHECKED));
        EXPECT_EQ(::IsDlgButtonChecked(parent, 1), 0u);
        EXPECT_FALSE(::CheckDlgButton(parent, 99, BST_CHECKED)) << "no such control";
    });
}

TEST(ButtonMessages, AnAutomaticRadioButtonUnchecksTheOthersOfItsGroupOnly) {
    WithParent([](HWND parent) {
        const DWORD radio = BS_AUTORADIOBUTTON;
        HWND first = CreateControl(parent, "Button", "1", radio | WS_GROUP, {0, 0, 80, 20}, 1);
        HWND second = CreateControl(parent, "Button", "2", radio, {0, 20, 80, 40}, 2);
        HWND nextGroup = CreateControl(parent, "Button", "3", radio | WS_GROUP, {0, 40, 80, 60}, 3);
        ::SendMessageA(first, BM_CLICK, 0, 0);
        ::SendMessageA(nextGroup, BM_CLICK, 0, 0);
        ::SendMessageA(second, BM_CLICK, 0, 0);
        EXPECT_EQ(::SendMessageA(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(::SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(::SendMessageA(nextGroup, BM_GETCHECK, 0, 0), BST_CHECKED);
    });
}

TEST(ButtonMessages, DialogCodesSayWhatKindOfButtonItIs) {
    struct Case {
        DWORD style;
        LRESULT code;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
    };
    WithParent([&](HWND parent) {
        for (const Case& test : cases) {
            HWND button = CreateControl(parent, "Button", "x", test.style, {0, 0, 80, 20}, 1);
            EXPECT_EQ(::SendMessageA(button, WM_GETDLGCODE, 0, 0), test.code)
                << "style " << test.style;
            ::DestroyWindow(button);
        }
    });
}

TEST(ButtonMessages, SetStyleChangesTheTypeAndKeepsTheWindowStyles) {
    WithParent([](HWND parent) {
        HWND button =
            CreateControl(parent, "Button", "OK", BS_PUSHBUTTON | WS_TABSTOP, {0, 0, 75, 23}, 1);
        ::SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        const DWORD style = static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE));
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
                  static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    });
}

TEST(ButtonMessages, FontsAreKeptAsGivenAndClassNamesAreTheSystemOnes) {
    WithParent([](HWND parent) {
        HWND button = CreateControl(parent, "bUtToN", "OK", BS_PUSHBUTTON, {0, 0, 75, 23}, 1);
        ASSERT_NE(button, nullptr) << "class names are matched without regard to case";
        char name[16] = {};
        ::GetClassNameA(button, name, sizeof name);
        EXPECT_STREQ(name, "Button");
        EXPECT_EQ(::SendMessageA(button, WM_GETFONT, 0, 0), 0);
        HFONT font =
            ::CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "");
        ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        EXPECT_EQ(::SendMessageA(button, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
        ::DestroyWindow(button);
        ::DeleteObject(font);
    });
}

TEST(ButtonMessages, GroupBoxesAreTransparentToTheMouseAndNeverTakeTheFocus) {
    WithParent([](HWND parent) {
        HWND group = CreateControl(parent, "Button", "G", BS_GROUPBOX, {10, 10, 200, 150}, 1);
        HWND button = CreateControl(parent, "Button", "B", BS_PUSHBUTTON, {0, 160, 75, 183}, 2);
        ::SetFocus(button);
        EXPECT_EQ(::SendMessageA(group, WM_NCHITTEST, 0, MAKELPARAM(50, 50)), HTTRANSPARENT);
        EXPECT_EQ(::WindowFromPoint(POINT{50, 50}), parent);
        ::SendMessageA(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageA(group, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ::SendMessageA(group, WM_KEYDOWN, VK_SPACE, 0);
        ::SendMessageA(group, WM_KEYUP, VK_SPACE, 0);
        ::SendMessageA(group, BM_CLICK, 0, 0);
        EXPECT_EQ(::GetFocus(), button);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(ClicksOf(group), 0);
    });
}

}  // namespace
}  // namespace layer::testing
