// Painting the non-client area: frame edges, borders, client edges and the caption bar's
// gradient with its icon, title and buttons, in the system colours.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

// Paints the window's non-client area into its top-level surface, clipped to what of the
// window is visible. Active selects the active or inactive caption colours.
void PaintNonClient(HWND window, bool active);

}  // namespace layer::user
