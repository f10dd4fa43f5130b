// The "Edit" window class: its registration and its window procedure.
#pragma once

#include "platform/win32.h"

namespace layer::user::edit {

// Registers the system class "Edit"; called by RegisterSystemClasses.
void RegisterEditClass();

LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace layer::user::edit
