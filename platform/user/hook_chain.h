// The thread's WH_CBT hooks: installed newest first, called before the window manager acts.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

// Calls the hook chain for one CBT event; a non-zero result asks the window manager to refuse
// the action (creation, activation, focus change).
LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam);

}  // namespace layer::user
