// The classic look of the Button class: push buttons, group boxes, check boxes and radio
// buttons, each painted from what the public messages report about the button.
#pragma once

#include "platform/win32.h"

namespace layer::user {

// Where the dotted focus rectangle of a push button lies, inside its outer edge.
inline constexpr int kPushButtonFocusInset = 3;
// How far a push button's caption keeps from its outer edge.
inline constexpr int kPushButtonTextInset = 3;
// Where a group box's caption starts, from its left (or right) edge.
inline constexpr int kGroupBoxCaptionIndent = 8;
// The side of the square of a check box or radio button.
inline constexpr int kCheckMarkSize = 13;

// Paints the whole button into the DC, in its client coordinates, choosing by the button type.
void PaintButton(HWND button, HDC dc);
// Fills the button's background with the brush its parent's colour answer gives.
void EraseButton(HWND button, HDC dc);

// The brush a button's parent answers to the button's colour query (WM_CTLCOLORBTN for push
// buttons, WM_CTLCOLORSTATIC for the other types); the query also sets the DC's colours. A parent
// that answers no brush gets the default colours.
HBRUSH AskButtonColors(HWND button, HDC dc);

}  // namespace layer::user
