// What a button remembers between messages: its BST_ state bits, its font and how it is being
// pressed. The window procedure keeps one per button in the window's extra bytes.
#pragma once

#include "platform/win32.h"

namespace layer::user {

struct ButtonState {
    // BST_CHECKED/BST_INDETERMINATE in the low bits, BST_PUSHED and BST_FOCUS above them.
    UINT state = BST_UNCHECKED;
    HFONT font = nullptr;
    // The left mouse button went down on the button and the button holds the capture.
    bool mouseTracking = false;
    // Space went down while the button had the focus and has not come up yet.
    bool spaceHeld = false;
};

// The low four bits of a button's style.
inline UINT ButtonType(DWORD style) {
    return static_cast<UINT>(style & BS_TYPEMASK);
}

inline bool IsCheckOrRadioType(UINT type) {
    switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_AUTORADIOBUTTON:
            return true;
        default:
            return false;
    }
}

inline bool IsRadioType(UINT type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace layer::user
