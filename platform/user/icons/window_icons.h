// The big and small icons of each window (WM_SETICON, WM_GETICON) and the icon the caption shows.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

// DefWindowProcA's answer to WM_SETICON and WM_GETICON.
LRESULT AnswerIconMessage(HWND window, UINT message, WPARAM which, LPARAM icon);

// The icon the caption shows: the window's small icon, else its big icon, else its class's small
// icon, else its class icon. Null when there is none or the window does not exist.
HICON SmallIconOf(HWND window);

}  // namespace layer::user
