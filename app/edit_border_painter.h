// The XP look of an edit box's border: a flat one-pixel line at the window's edge and a one-pixel
// ring inside it, over the window's outer 2 px.
#pragma once

#include "platform/win32.h"

namespace quorvane {

// Whether the look paints the edit box's border at all: only a box with a border of its own.
bool EditBoxHasBorder(DWORD style, DWORD extendedStyle);

// Paints the two rings into the DC, with (0, 0) at the window's top-left pixel.
void PaintEditBorder(HDC dc, SIZE size, COLORREF border, COLORREF ring);

}  // namespace quorvane
