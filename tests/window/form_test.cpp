// The main window's form and the rules that turn its settings into styles and places: the table
// of names and form numbers, containers, the window styles, the placement on several screens and
// the border rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/border_rule.h"
#include "window/form.h"
#include "window/window_placement.h"

namespace quorvane {
namespace {

struct ExpectedEntry {
    const char* name;
    ControlKind kind;
    uint32_t formNumber;
    const char* container;  // nullptr: the window itself or a control directly in it
    FormRect rect;
    bool focusStop;
};

TEST(MainWindowForm, ListsTheWindowAndItsSixControlsInFormOrder) {
    const std::vector<ExpectedEntry> expected = {
        {"Quorvane", ControlKind::Window, 0x06010000, nullptr, {50, 50, 405, 238}, false},
        {"按钮1", ControlKind::Button, 0x1601000D, nullptr, {296, 96, 96, 104}, true},
        {"标签1", ControlKind::Label, 0x1601000C, "分组框2", {72, 24, 16, 32}, false},
        {"编辑框1", ControlKind::EditBox, 0x1601000B, "分组框2", {16, 24, 48, 32}, true},
        {"分组框2", ControlKind::GroupBox, 0x1601000A, nullptr, {296, 16, 96, 72}, false},
        {"透明标签1",
         ControlKind::TransparentLabel,
         0x16010005,
         "分组框1",
         {8, 16, 240, 160},
         false},
        {"分组框1", ControlKind::GroupBox, 0x16010004, nullptr, {8, 8, 280, 192}, false},
    };
    const Form& form = MainWindowForm();
    EXPECT_EQ(form.windowNumber, 0x52010001u);
    ASSERT_EQ(form.entries.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        const FormEntry& entry = form.entries[index];
        const ExpectedEntry& want = expected[index];
        SCOPED_TRACE("form order " + std::to_string(index));
        EXPECT_EQ(std::string(entry.name), want.name);
        EXPECT_EQ(entry.kind, want.kind);
        EXPECT_EQ(entry.formNumber, want.formNumber);
        const char* container = entry.container > 0 ? form.entries[entry.container].name : nullptr;
        EXPECT_EQ(container == nullptr ? std::string() : std::string(container),
                  want.container == nullptr ? std::string() : std::string(want.container));
        EXPECT_EQ(entry.rect.left, want.rect.left);
        EXPECT_EQ(entry.rect.top, want.rect.top);
        EXPECT_EQ(entry.rect.width, want.rect.width);
        EXPECT_EQ(entry.rect.height, want.rect.height);
        EXPECT_EQ(entry.focusStop, want.focusStop);
        EXPECT_TRUE(entry.visible);
        EXPECT_FALSE(entry.disabled);
        EXPECT_EQ(entry.focusOrder, 0);
    }
}

TEST(MainWindowForm, FindsControlsByFormNumberOnly) {
    const Form& form = MainWindowForm();
    const FormEntry* entry = FindFormEntry(form, kHeadCountEntry);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(std::string(entry->name), "编辑框1");
    EXPECT_EQ(FormIndexOf(form, *entry), 3);
    EXPECT_EQ(FindFormEntry(form, 0x16010006), nullptr);
    EXPECT_EQ(FindFormEntry(form, kMainWindowNumber), nullptr)
        << "the window number names the form, not an entry of it";
}

TEST(MainWindowPlacement, HasACaptionSystemMenuAndFixedFrame) {
    const WindowPlacement placement = PlaceWindow(MainWindowForm().entries[0], 1024, 768);
    EXPECT_EQ(placement.style, 0x02C80000u);
    EXPECT_EQ(placement.extendedStyle, 0u);
    EXPECT_EQ(placement.width, 405);
    EXPECT_EQ(placement.height, 238);
}

TEST(MainWindowPlacement, IsCentredTruncatingTowardZeroAndNeverClamped) {
    struct Case {
        int screenWidth, screenHeight, x, y;
    };
    const Case cases[] = {
        {1024, 768, 309, 265},  // the outer rectangle (309, 265)-(714, 503)
        {800, 600, 197, 181},  {1023, 767, 309, 264},
        {320, 200, -42, -19},  // (320 - 405) / 2 is -42.5: toward zero, not down to -43
        {405, 238, 0, 0},
    };
    for (const Case& c : cases) {
        const WindowPlacement placement =
            PlaceWindow(MainWindowForm().entries[0], c.screenWidth, c.screenHeight);
        EXPECT_EQ(placement.x, c.x) << c.screenWidth << " x " << c.screenHeight;
        EXPECT_EQ(placement.y, c.y) << c.screenWidth << " x " << c.screenHeight;
    }
}

TEST(WindowStyles, FollowTheBorderKindAndBoxes) {
    struct Case {
        int32_t borderKind;
        bool controlBox, maximiseBox, minimiseBox;
        const char* title;
        DWORD style, extendedStyle;
    };
    const Case cases[] = {
        {0, true, false, false, "Quorvane", WS_CLIPCHILDREN, 0},
        {1, true, false, false, "Quorvane",
         WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_THICKFRAME, 0},
        {2, false, false, false, "", WS_CLIPCHILDREN | WS_DLGFRAME, 0},
        {2, false, false, false, "Quorvane", WS_CLIPCHILDREN | WS_CAPTION | WS_DLGFRAME, 0},
        {3, true, false, false, "Quorvane",
         WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_THICKFRAME, WS_EX_TOOLWINDOW},
        {4, true, true, true, "Quorvane",
         WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX,
         WS_EX_TOOLWINDOW},
        {5, true, false, false, "Quorvane",
         WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_THICKFRAME, WS_EX_CLIENTEDGE},
        {6, true, false, false, "Quorvane", WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME,
         WS_EX_CLIENTEDGE},
    };
    for (const Case& c : cases) {
        FormEntry entry = MainWindowForm().entries[0];
        auto settings = std::get<WindowSettings>(entry.settings);
        settings.borderKind = c.borderKind;
        settings.controlBox = c.controlBox;
        settings.maximiseBox = c.maximiseBox;
        settings.minimiseBox = c.minimiseBox;
        settings.title = c.title;
        entry.settings = settings;
        const WindowPlacement placement = PlaceWindow(entry, 1024, 768);
        EXPECT_EQ(placement.style, c.style) << "border kind " << c.borderKind;
        EXPECT_EQ(placement.extendedStyle, c.extendedStyle) << "border kind " << c.borderKind;
    }
}

TEST(BorderRule, ReplacesEveryEdgeStyleByTheOneTheSettingAsksFor) {
    const BorderStyles messy{
        WS_CHILD | WS_BORDER | WS_TABSTOP,
        WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_TRANSPARENT};
    struct Case {
        int32_t border;
        DWORD style, extendedStyle;
    };
    const Case cases[] = {
        {0, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT},
        {1, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE},
        {2, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT | WS_EX_DLGMODALFRAME},
        {3, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT | WS_EX_STATICEDGE},
        {4, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
        {5, WS_CHILD | WS_TABSTOP | WS_BORDER, WS_EX_TRANSPARENT},
        {7, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT},
        {-1, WS_CHILD | WS_TABSTOP, WS_EX_TRANSPARENT},
    };
    for (const Case& c : cases) {
        const BorderStyles result = StylesWithBorder(messy, c.border);
        EXPECT_EQ(result.style, c.style) << "border " << c.border;
        EXPECT_EQ(result.extendedStyle, c.extendedStyle) << "border " << c.border;
    }
}

}  // namespace
}  // namespace quorvane
