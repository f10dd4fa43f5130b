// The XP look's classification table: which class and style become which kind, and which windows
// are passed over.
#include <gtest/gtest.h>

#include <optional>

#include "app/xp_look_classification.h"
#include "platform/win32.h"

namespace quorvane {
namespace {

const char* Name(std::optional<XpControlKind> kind) {
    if (!kind) {
        return "not restyled";
    }
    switch (*kind) {
        case XpControlKind::PushButton:
            return "push button";
        case XpControlKind::CheckBox:
            return "check box";
        case XpControlKind::RadioButton:
            return "radio button";
        case XpControlKind::GroupBox:
            return "group box";
        case XpControlKind::EditBox:
            return "edit box";
        case XpControlKind::ComboBox:
            return "combo box";
        case XpControlKind::ComboList:
            return "combo list";
        case XpControlKind::UpDown:
            return "up-down";
    }
    return "?";
}

TEST(XpLookClassification, FollowsTheTableByClassAndStyle) {
    using Kind = XpControlKind;
    struct Case {
        WindowTraits traits;
        std::optional<Kind> kind;
    };
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const Case cases[] = {
        {{"Button", child | BS_PUSHBUTTON, true, "Q"}, Kind::PushButton},
        {{"BUTTON", child | BS_DEFPUSHBUTTON, true, "Q"}, Kind::PushButton},
        {{"button", child | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, true, ""}, Kind::PushButton},
        {{"Button", child | BS_AUTOCHECKBOX, true, ""}, Kind::CheckBox},
        {{"Button", child | BS_3STATE, true, ""}, Kind::CheckBox},
        {{"Button", child | BS_AUTO3STATE | BS_PUSHLIKE, true, ""}, Kind::PushButton},
        {{"Button", child | BS_RADIOBUTTON, true, ""}, Kind::RadioButton},
        {{"Button", child | BS_AUTORADIOBUTTON | BS_PUSHLIKE, true, ""}, Kind::PushButton},
        {{"Button", child | BS_GROUPBOX | BS_LEFT, true, ""}, Kind::GroupBox},
        {{"Button", child | BS_USERBUTTON, true, ""}, std::nullopt},
        {{"Button", child | BS_PUSHBOX, true, ""}, std::nullopt},
        {{"Button", child | BS_OWNERDRAW, true, ""}, std::nullopt},
        {{"Button", child | 0x10, true, ""}, std::nullopt},
        {{"Button", child | BS_PUSHBUTTON | BS_BITMAP, true, ""}, std::nullopt},
        {{"Button", child | BS_GROUPBOX | BS_BITMAP, true, ""}, std::nullopt},
        // The text-less helper button of exactly WS_CHILD | WS_TABSTOP.
        {{"Button", 0x40010000, false, ""}, std::nullopt},
        {{"Button", 0x40010000, true, ""}, Kind::PushButton},
        {{"Button", 0x50010000, false, ""}, Kind::PushButton},
        {{"Edit", child | ES_AUTOHSCROLL, false, "QuorvaneGroup"}, Kind::EditBox},
        {{"EDIT", child, false, ""}, Kind::EditBox},
        {{"Edit", child, false, "SysIPAddress32"}, std::nullopt},
        {{"Edit", child, false, "sysipaddress32"}, std::nullopt},
        {{"ComboBox", child | kComboSimple, false, ""}, std::nullopt},
        {{"ComboBox", child | 0x0002, false, ""}, Kind::ComboBox},
        {{"combobox", child | kComboDropDownList, false, ""}, Kind::ComboBox},
        {{"ComboLBox", child | BS_GROUPBOX, false, ""}, Kind::ComboList},
        {{"msctls_updown32", child, false, ""}, Kind::UpDown},
        {{"ScrollBar", child, false, ""}, std::nullopt},
        {{"msctls_progress32", child, false, ""}, std::nullopt},
        {{"SysListView32", child, false, ""}, std::nullopt},
        {{"Static", child, true, ""}, std::nullopt},
        {{"QuorvaneLabel", child, true, ""}, std::nullopt},
        {{"", child, false, ""}, std::nullopt},
        {{"Buttons", child, true, ""}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(Name(ClassifyForXpLook(c.traits)), Name(c.kind))
            << "class \"" << c.traits.className << "\" style 0x" << std::hex << c.traits.style
            << (c.traits.hasText ? " with text" : " without text");
    }
}

}  // namespace
}  // namespace quorvane
