// What the caption shows over its gradient: the small icon, the window text and the caption
// buttons, drawn through a DC on the whole window.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

// The bold caption font: the default face at a 12-pixel character height.
HFONT CaptionFont();

// Draws the icon, the title and the buttons into a DC whose origin is the window's top-left
// corner. Active selects the caption text colour.
void PaintCaptionContents(HWND window, HDC dc, bool active);

// Redraws only the caption buttons (a press being tracked changes nothing else).
void RepaintCaptionButtons(HWND window);

}  // namespace layer::user
