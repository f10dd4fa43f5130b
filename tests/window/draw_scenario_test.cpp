// The draw button on the real controls: the prompt for an empty entry with its exact text, caption
// and style, what happens while it is open and after it closes, and the drawn number in red.
#include <gtest/gtest.h>

#include <strings.h>

#include <string>
#include <vector>

#include "platform/testing/scenario.h"
#include "tests/app/quorvane_run.h"
#include "window/form.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

const std::string kPromptCaption = "信息：";
const std::string kPromptText = "你还没输入人数！";

struct ChildList {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
    reinterpret_cast<ChildList*>(parameter)->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window) {
    ChildList list;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&list));
    return list.windows;
}

BOOL CALLBACK CountPrompt(HWND window, LPARAM parameter) {
    char text[64] = {};
    ::GetWindowTextA(window, text, sizeof(text));
    if (::IsWindowVisible(window) && kPromptCaption == text) {
        ++*reinterpret_cast<int*>(parameter);
    }
    return TRUE;
}

int OpenPrompts() {
    int count = 0;
    ::EnumWindows(&CountPrompt, reinterpret_cast<LPARAM>(&count));
    return count;
}

void ExpectThePrompt(Screen& screen) {
    HWND box = TopLevelWithText(kPromptCaption);
    ASSERT_NE(box, nullptr) << "no window titled " << kPromptCaption;
    EXPECT_EQ(::GetWindow(box, GW_OWNER), nullptr) << "the prompt has no owner";
    EXPECT_FALSE(::IsWindowEnabled(MainWindowHandle())) << "the prompt is task-modal";
    int buttons = 0;
    bool textShown = false;
    for (HWND child : ChildrenOf(box)) {
        char className[32] = {};
        ::GetClassNameA(child, className, sizeof(className));
        const std::string text = screen.Text(child);
        if (strcasecmp(className, "Button") == 0) {
            ++buttons;
        }
        textShown = textShown || text == kPromptText;
    }
    EXPECT_EQ(buttons, 1) << "only an OK button";
    EXPECT_TRUE(textShown) << "the prompt says " << kPromptText;
}

void ExpectAfterThePrompt(Screen& screen) {
    EXPECT_EQ(OpenPrompts(), 0);
    EXPECT_EQ(screen.Focus(), ControlHandle(kHeadCountEntry)) << "the focus goes to 编辑框1";
    EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "") << "the label is unchanged";
    EXPECT_TRUE(::IsWindowEnabled(MainWindowHandle()));
}

TEST(DrawButton, AnEmptyEntryBringsThePromptWhichEscOrOkCloses) {
    for (UINT closingKey : {VK_ESCAPE, VK_RETURN}) {
        SCOPED_TRACE(closingKey == VK_ESCAPE ? "closed with Esc" : "closed with OK (Enter)");
        Scenario scenario;
        scenario.Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
            .Check(&ExpectThePrompt)
            .Key(closingKey)
            .Check(&ExpectAfterThePrompt)
            .Key(VK_ESCAPE);
        scenario.Run([] { RunWithExitHook(); });
    }
}

TEST(DrawButton, ClicksWhileThePromptIsOpenDoNothing) {
    Scenario scenario;
    scenario.Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
        .Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
        .Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
        .Check([](Screen&) { EXPECT_EQ(OpenPrompts(), 1); })
        .Key(VK_ESCAPE)
        .Check(&ExpectAfterThePrompt)
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

TEST(DrawButton, TickCountThousandWithEntryTenShowsFiveThenNineInRed) {
    // The seed offset is 0 only at the first draw of the process; this test runs in its own.
    Scenario scenario;
    scenario.SetTickCount(1000)
        .Click(kEntryCentre.x, kEntryCentre.y)
        .Type("10")
        .Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
        .Check([](Screen& screen) {
            EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "5");
            EXPECT_TRUE(HasRedPixel(screen, kResultArea)) << "the number is drawn in red";
        })
        .Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
        .Check([](Screen& screen) {
            EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "9");
            EXPECT_EQ(screen.Text(ControlHandle(kHeadCountEntry)), "10")
                << "a click never changes the entry";
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

}  // namespace
}  // namespace quorvane::testing
