// One restyled window as the XP look keeps it: its kind, the state its painting reads, the
// colours its parent gave for it, and the window procedure it had before.
#pragma once

#include "app/xp_look_classification.h"
#include "platform/win32.h"

namespace quorvane {

struct XpLookState {
    bool disabled = false;
    bool pressed = false;
    bool hot = false;
    bool focused = false;
    bool defaultButton = false;
    bool checked = false;
    bool indeterminate = false;
    bool readOnly = false;
    // Combo boxes: the drop-down list style rather than the drop-down style.
    bool dropDownList = false;
    // Up-down controls.
    bool horizontal = false;
    bool hotHalfSecond = false;
    // An edit box that is the buddy of an up-down control, with the arrows on this side.
    bool arrowsRight = false;
    bool arrowsLeft = false;
};

// The parent's answer to the colour query: the background brush, its colour and the text colour.
// Until the control has erased its background once, the button-face colour and black.
struct ColourAnswer {
    HBRUSH brush = nullptr;
    COLORREF background = 0;
    COLORREF text = RGB(0, 0, 0);
    bool answered = false;
};

struct XpLookRecord {
    HWND window = nullptr;
    XpControlKind kind = XpControlKind::PushButton;
    XpLookState state;
    ColourAnswer colours;
    // The procedure the look stands in front of; messages it does not take over go there.
    WNDPROC ownProcedure = nullptr;
};

}  // namespace quorvane
