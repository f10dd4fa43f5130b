// The thread's keyboard focus and active window, and the messages that move them.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

// Makes a top-level window the active one (null deactivates), with HCBT_ACTIVATE, WM_ACTIVATEAPP,
// WM_NCACTIVATE and WM_ACTIVATE. False when a hook refused.
bool ActivateWindow(HWND window, bool byMouse);
// Called when a window goes away or is hidden or disabled: the focus and capture inside it are
// dropped. A hidden or destroyed window also hands activation on to the next window; a
// disabled one stays active, as a window disabled for a modal box does.
enum class Activation { MovesOn, Stays };
void LeaveWindow(HWND window, Activation activation);
HWND FocusWindow();
HWND ActiveWindow();
// True when a window is the given ancestor or lies below it.
bool IsInside(HWND window, HWND ancestor);

}  // namespace layer::user
