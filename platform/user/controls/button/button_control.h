// The Button window class: push buttons, default push buttons, group boxes, check boxes and
// radio buttons.
#pragma once

#include "platform/win32.h"

namespace layer::user {

// Registers the global "Button" class; called once from the list of the layer's own classes.
void RegisterButtonClass();

// The Button class's window procedure, for subclasses that pass messages on to it.
LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace layer::user
