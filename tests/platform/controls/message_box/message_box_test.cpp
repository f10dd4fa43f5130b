// MessageBoxA as a person meets it on the headless screen: a task-modal box without owner
// disables the thread's windows, answers OK by click, Enter and Esc, gives the focus back, makes
// its buttons visibly to a WH_CBT hook, ends on WM_QUIT, and looks like a classic dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/scenario.h"
#include "platform/user/controls/message_box/message_box_layout.h"
#include "platform/win32.h"
#include "tests/platform/controls/button/control_test_window.h"

namespace layer::testing {
namespace {

constexpr RECT kParentRect{100, 100, 505, 338};
constexpr char kPrompt[] = "你还没输入人数！";
constexpr char kCaption[] = "信息：";

// Where the box's first button will be on the screen, from the same layout the box uses.
POINT FirstButtonCentre(const char* text, UINT type) {
    const int count = (type & MB_TYPEMASK) == MB_OK ? 1 : 2;
    const user::MessageBoxLayout layout = user::LayOutMessageBox(
        text, false, count, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    RECT outer{0, 0, layout.client.cx, layout.client.cy};
    const DWORD style =
        WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | 0x80;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2 - outer.left;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2 - outer.top;
    const RECT& button = layout.buttons.front();
    return POINT{left + (button.left + button.right) / 2, top + (button.top + button.bottom) / 2};
}

class MessageBoxTest : public ::testing::Test {
  protected:
    // The program: a parent with a focused button and a second top-level window; the box opens
    // when the button is clicked by BM_CLICK from the first step.
    void Run(Scenario& scenario, UINT type, std::string text = kPrompt) {
        EndProgram(scenario);
        scenario.Run([&, type, text] {
            parent_ = CreateControlParent(kParentRect);
            ASSERT_NE(parent_, nullptr);
            button_ = CreateControl(parent_, "Button", "go", BS_PUSHBUTTON, {10, 10, 85, 33}, 1);
            other_ = ::CreateWindowExA(0, "Button", "other", WS_POPUP | WS_VISIBLE, 600, 600, 80,
                                       30, nullptr, nullptr, nullptr, nullptr);
            ::SetFocus(button_);
            result_ = ::MessageBoxA(nullptr, text.c_str(), kCaption, type);
            afterFocus_ = ::GetFocus();
            RunProgramLoop(parent_);
            ::DestroyWindow(other_);
        });
    }

    // What the open box shows, checked from a step while it waits.
    void ExpectOpenBox(Screen& screen) {
        HWND box = ::GetActiveWindow();
        ASSERT_NE(box, nullptr);
        char name[32] = {};
        ::GetClassNameA(box, name, sizeof name);
        EXPECT_STREQ(name, "#32770");
        EXPECT_EQ(screen.Text(box), kCaption);
        EXPECT_FALSE(::IsWindowEnabled(parent_)) << "task-modal without owner";
        EXPECT_FALSE(::IsWindowEnabled(other_)) << "every top-level window of the thread";
        HWND focus = screen.Focus();
        EXPECT_EQ(::GetParent(focus), box);
        EXPECT_EQ(screen.Text(focus), "确定");
        EXPECT_EQ(::GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        RECT boxRect{};
        ::GetWindowRect(box, &boxRect);
        EXPECT_LE(std::abs((boxRect.left + boxRect.right) - 1024), 1) << "centred across";
        EXPECT_LE(std::abs((boxRect.top + boxRect.bottom) - 768), 1) << "centred down";
    }

    void ExpectClosed(int expected) {
        EXPECT_EQ(result_, expected);
        EXPECT_TRUE(::IsWindowEnabled(parent_));
        EXPECT_TRUE(::IsWindowEnabled(other_));
        EXPECT_EQ(afterFocus_, button_) << "the focus comes back";
        EXPECT_EQ(::GetActiveWindow(), parent_);
    }

    HWND parent_ = nullptr;
    HWND button_ = nullptr;
    HWND other_ = nullptr;
    HWND afterFocus_ = nullptr;
    int result_ = -1;
};

TEST_F(MessageBoxTest, ATaskModalBoxWithoutOwnerDisablesTheThreadsWindowsUntilOkIsClicked) {
    Scenario s;
    const POINT ok = FirstButtonCentre(kPrompt, MB_OK);
    s.Check([this](Screen& screen) { ExpectOpenBox(screen); })
        .Click(kParentRect.left + 40, kParentRect.top + 20)
        .Check([this, ok](Screen& screen) {
            EXPECT_EQ(ClicksOf(button_), 0) << "the disabled window's button is not clicked";
            EXPECT_EQ(::GetParent(screen.WindowAt(ok.x, ok.y)), ::GetActiveWindow());
        })
        .Click(ok.x, ok.y)
        .Check([this](Screen&) { ExpectClosed(IDOK); });
    Run(s, MB_OK | MB_TASKMODAL);
}

TEST_F(MessageBoxTest, KeysAnswerAsTheButtonSetAllows) {
    struct Case {
        UINT type;
        std::vector<UINT> keys;
        int expected;
    };
    const Case cases[] = {
        {MB_OK | MB_TASKMODAL, {VK_RETURN}, IDOK},
        {MB_OK | MB_TASKMODAL, {VK_ESCAPE}, IDOK},
        {MB_OK | MB_TASKMODAL, {VK_SPACE}, IDOK},
        {MB_OKCANCEL | MB_TASKMODAL, {VK_ESCAPE}, IDCANCEL},
        {MB_OKCANCEL | MB_TASKMODAL, {VK_TAB, VK_RETURN}, IDCANCEL},
        {MB_YESNO | MB_TASKMODAL, {VK_ESCAPE, VK_TAB, VK_SPACE}, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_TASKMODAL, {VK_RETURN}, IDNO},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3 | MB_TASKMODAL, {VK_TAB, VK_RETURN}, IDABORT},
        {MB_RETRYCANCEL | MB_TASKMODAL, {VK_RETURN}, IDRETRY},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE("type " + std::to_string(test.type));
        Scenario s;
        for (UINT key : test.keys) {
            s.Key(key);
        }
        s.Check([this, &test](Screen&) { ExpectClosed(test.expected); });
        Run(s, test.type);
    }
}

// The hook records what is created while it is set.
std::vector<std::string> created;
HHOOK hook = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const char* className = create->lpcs->lpszClass;
        const char* text = create->lpcs->lpszName;
        created.push_back(std::string(IS_INTRESOURCE(className) ? "#" : className) + " " +
                          (text != nullptr ? text : ""));
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

TEST(MessageBoxCreation, AWindowsCreationHookSeesTheBoxAndThenItsOkButton) {
    created.clear();
    Scenario s;
    s.Key(VK_RETURN);
    int result = 0;
    s.Run([&] {
        hook = ::SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, ::GetCurrentThreadId());
        result = ::MessageBoxA(nullptr, "text", nullptr, MB_OK);
        ::UnhookWindowsHookEx(hook);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_GE(created.size(), 2u);
    EXPECT_EQ(created[0], "#32770 错误") << "a missing caption reads 错误";
    EXPECT_NE(std::find(created.begin() + 1, created.end(), "Button 确定"), created.end());
}

TEST(MessageBoxCreation, BadCallsFailWithTheirError) {
    Scenario s;
    s.Run([] {
        ::SetLastError(0);
        EXPECT_EQ(::MessageBoxA(reinterpret_cast<HWND>(0x1234), "x", "y", MB_OK), 0);
        EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
        EXPECT_EQ(::MessageBoxA(nullptr, "x", "y", 9), 0) << "no such button set";
        EXPECT_NE(::GetLastError(), 0u);
    });
}

TEST(MessageBoxCreation, AQuitInsideTheBoxEndsItAndIsPostedAgain) {
    Scenario s;
    int result = -1;
    WPARAM exitCode = 0;
    s.Check([](Screen&) { ::PostQuitMessage(5); }).Key(VK_SHIFT);
    s.Run([&] {
        result = ::MessageBoxA(nullptr, "x", "y", MB_OKCANCEL);
        MSG message;
        EXPECT_EQ(::GetMessageA(&message, nullptr, 0, 0), 0) << "the quit comes again";
        exitCode = message.wParam;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(exitCode, 5u);
}

TEST(MessageBoxCreation, AnApplicationModalBoxWithAnOwnerDisablesOnlyThatOwner) {
    Scenario s;
    HWND owner = nullptr;
    HWND bystander = nullptr;
    s.Check([&](Screen&) {
         EXPECT_FALSE(::IsWindowEnabled(owner));
         EXPECT_TRUE(::IsWindowEnabled(bystander));
     }).Key(VK_ESCAPE);
    s.Run([&] {
        owner = CreateControlParent(kParentRect);
        bystander = ::CreateWindowExA(0, "Button", "b", WS_POPUP | WS_VISIBLE, 600, 600, 80, 30,
                                      nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(::MessageBoxA(owner, "x", "y", MB_OK | MB_APPLMODAL), IDOK);
        EXPECT_TRUE(::IsWindowEnabled(owner));
        ::DestroyWindow(bystander);
        ::DestroyWindow(owner);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    });
}

// The picture a person judges: a dialog-like window with a push button, a group box and an edit
// box with text, and the prompt above it.
TEST(MessageBoxLook, ScreenshotOfADialogWithTheMessageBox) {
    const std::string path = std::string(QUORVANE_BUILD_DIR) + "/message_box_dialog.png";
    Scenario s;
    s.SavePng(path).Key(VK_RETURN);
    s.Run([] {
        HWND parent = CreateControlParent({300, 250, 705, 488});
        CreateControl(parent, "Button", "中奖童鞋", BS_GROUPBOX, {8, 4, 272, 228}, 100);
        CreateControl(parent, "Button", "总人数", BS_GROUPBOX, {288, 4, 396, 84}, 120);
        // The edit box comes from the Edit class; the picture shows it when the class exists.
        CreateControl(parent, "Edit", "42", WS_BORDER | ES_AUTOHSCROLL, {304, 40, 360, 62}, 130);
        HWND button = CreateControl(parent, "Button", "抽 奖",
                                    BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
                                    {296, 96, 392, 200}, 150);
        HFONT font =
            ::CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "");
        ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        ::MessageBoxA(nullptr, kPrompt, kCaption, MB_OK | MB_TASKMODAL);
        ::DestroyWindow(parent);
        ::DeleteObject(font);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    });
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(file, nullptr) << path;
    if (file != nullptr) {
        std::fclose(file);
    }
}

}  // namespace
}  // namespace layer::testing
