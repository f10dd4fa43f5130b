// Which windows the XP look restyles, and as what kind of control.
#pragma once

#include <optional>
#include <string>

#include "platform/win32.h"

namespace quorvane {

enum class XpControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    EditBox,
    ComboBox,
    ComboList,
    UpDown,
};

// What the classification reads of a window: its class name, its style, whether it has a text,
// and its parent's class name (empty for a window without a parent).
struct WindowTraits {
    std::string className;
    DWORD style = 0;
    bool hasText = false;
    std::string parentClassName;
};

// The kind the look restyles the window as, or nothing for a window it leaves alone. Class names
// compare without regard to case.
std::optional<XpControlKind> ClassifyForXpLook(const WindowTraits& traits);

// The traits of an existing window, read through the Win32 API.
WindowTraits ReadWindowTraits(HWND window);

// Window styles of the common controls that the look reads; the values are the documented ones.
constexpr DWORD kComboTypeMask = 0x0003;
constexpr DWORD kComboSimple = 0x0001;
constexpr DWORD kComboDropDownList = 0x0003;
constexpr DWORD kUpDownAlignRight = 0x0004;
constexpr DWORD kUpDownAlignLeft = 0x0008;
constexpr DWORD kUpDownHorizontal = 0x0040;
constexpr UINT kUpDownGetBuddy = WM_USER + 106;

}  // namespace quorvane
