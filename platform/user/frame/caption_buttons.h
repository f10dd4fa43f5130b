// The caption buttons of the classic frame: where the close, maximise and minimise boxes sit, how
// each one is drawn, and which of them is held down at the moment.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

struct Window;

enum class CaptionButton { None, Close, Maximize, Minimize };

// The boxes in window coordinates; a box the window does not have is empty. Each box is 16 x 14
// (the caption height less five), two pixels in from the caption's right and top; the
// maximise box sits two pixels left of the close box and the minimise box right against it.
struct CaptionButtonRects {
    RECT close{0, 0, 0, 0};
    RECT maximize{0, 0, 0, 0};
    RECT minimize{0, 0, 0, 0};
};
CaptionButtonRects CaptionButtonRectsOf(const Window& window);
RECT CaptionButtonRect(const Window& window, CaptionButton button);

// The icon's cell at the caption's left: 16 x 16, two pixels in from the frame and one down.
RECT CaptionIconRect(const Window& window);

// The button a hit-test answer names (HTCLOSE, HTMAXBUTTON, HTMINBUTTON), else None.
CaptionButton CaptionButtonForHit(LRESULT hit);
LRESULT HitForCaptionButton(CaptionButton button);

// Whether the button can act now: the close box follows SC_CLOSE in the system menu, the others
// their style bits.
bool CaptionButtonEnabled(HWND window, CaptionButton button);

// Draws one box at a rectangle of the DC: a raised two-pixel bevel on the button face, sunken
// and with the glyph one pixel down and right while pressed, the glyph embossed grey when the
// button is disabled.
void DrawCaptionButton(HDC dc, const RECT& rect, CaptionButton button, bool pressed, bool enabled);

// The box held down by a press that is being tracked, drawn pressed while the pointer is on it.
struct PressedCaptionButton {
    HWND window = nullptr;
    CaptionButton button = CaptionButton::None;
};
PressedCaptionButton& CurrentPressedCaptionButton();

}  // namespace layer::user
