// The classification table of the XP look: the class name first, then the style.
#include "app/xp_look_classification.h"

#include <algorithm>
#include <cctype>

namespace quorvane {
namespace {

bool SameClass(const std::string& name, const char* expected) {
    const std::string_view wanted(expected);
    return name.size() == wanted.size() &&
           std::equal(name.begin(), name.end(), wanted.begin(), [](char left, char right) {
               return std::tolower(static_cast<unsigned char>(left)) ==
                      std::tolower(static_cast<unsigned char>(right));
           });
}

// A text-less button of exactly this style is a helper window that other software places in
// dialogs; the look leaves it alone.
constexpr DWORD kBareTabStopChild = WS_CHILD | WS_TABSTOP;

std::optional<XpControlKind> ClassifyButton(const WindowTraits& traits) {
    if ((traits.style & BS_BITMAP) != 0) {
        return std::nullopt;
    }
    const DWORD type = traits.style & 0x1F;
    const bool pushLike = (traits.style & BS_PUSHLIKE) != 0;
    switch (type) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            if (!traits.hasText && traits.style == kBareTabStopChild) {
                return std::nullopt;
            }
            return XpControlKind::PushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return pushLike ? XpControlKind::PushButton : XpControlKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return pushLike ? XpControlKind::PushButton : XpControlKind::RadioButton;
        case BS_GROUPBOX:
            return XpControlKind::GroupBox;
        default:
            return std::nullopt;
    }
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, static_cast<int>(sizeof(name)));
    return length > 0 ? std::string(name, static_cast<size_t>(length)) : std::string();
}

}  // namespace

std::optional<XpControlKind> ClassifyForXpLook(const WindowTraits& traits) {
    const std::string& name = traits.className;
    if (SameClass(name, "ComboLBox")) {
        return XpControlKind::ComboList;
    }
    if (SameClass(name, "Button")) {
        return ClassifyButton(traits);
    }
    if (SameClass(name, "Edit")) {
        if (SameClass(traits.parentClassName, "SysIPAddress32")) {
            return std::nullopt;
        }
        return XpControlKind::EditBox;
    }
    if (SameClass(name, "ComboBox")) {
        if ((traits.style & kComboTypeMask) == kComboSimple) {
            return std::nullopt;
        }
        return XpControlKind::ComboBox;
    }
    if (SameClass(name, "msctls_updown32")) {
        return XpControlKind::UpDown;
    }
    // Scroll bars, calendars, tabs, progress bars, track bars and every other class keep their
    // own look.
    return std::nullopt;
}

WindowTraits ReadWindowTraits(HWND window) {
    WindowTraits traits;
    traits.className = ClassNameOf(window);
    traits.style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    traits.hasText = ::GetWindowTextLengthA(window) > 0;
    if ((traits.style & WS_CHILD) != 0) {
        if (HWND parent = ::GetParent(window)) {
            traits.parentClassName = ClassNameOf(parent);
        }
    }
    return traits;
}

}  // namespace quorvane
