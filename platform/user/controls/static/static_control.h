// The Static window class, as far as the message box needs it: text (SS_LEFT, SS_CENTER,
// SS_RIGHT, SS_LEFTNOWORDWRAP, SS_SIMPLE, with SS_NOPREFIX) and icons (SS_ICON).
#pragma once

#include "platform/win32.h"

namespace layer::user {

// Registers the global "Static" class.
void RegisterStaticClass();

LRESULT CALLBACK StaticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the static control into the DC, in its client coordinates.
void PaintStatic(HWND control, HDC dc);

}  // namespace layer::user
