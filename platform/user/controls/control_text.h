// The whole window text of a control, as the controls read it when they paint.
#pragma once

#include <string>

#include "platform/api/user32.h"

namespace layer::user {

// Every byte of the window's text, read through WM_GETTEXTLENGTH and WM_GETTEXT.
std::string ControlText(HWND window);

}  // namespace layer::user
