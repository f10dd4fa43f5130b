// Repainting everything behind a window that paints no background of its own, and then the
// window itself, so that no earlier text of it remains on the screen.
#pragma once

#include "platform/win32.h"

namespace quorvane {

// Runs at once, before it returns: the label's top window (the first ancestor that is a popup or
// has no parent) is invalidated with erasing in the label's client area and updated; then every
// visible descendant of the top window whose window rectangle meets that area redraws the part
// it meets, from the back to the front; finally the label's client area is invalidated without
// erasing. Does nothing for a handle that is not a window.
void RefreshLabelArea(HWND label);

}  // namespace quorvane
