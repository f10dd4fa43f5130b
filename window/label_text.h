// The text drawing that both label kinds share: the DrawTextA format built from the alignment
// and word-wrap settings, and the text effects drawn before the text itself.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace quorvane {

// DT_NOCLIP plus the horizontal alignment; with word wrap DT_WORDBREAK | DT_VCENTER, else
// DT_SINGLELINE plus the vertical alignment. Alignments outside 0..2 count as their nearest end.
UINT LabelTextFormat(int32_t horizontalAlignment, bool wordWrap, int32_t verticalAlignment);

// Draws the text in the rectangle with a transparent background: first the copies of the text
// effect (1 white shifted by one, 2 white in place then the text shifted by one, 3 black shifted
// by two), then the text in its colour.
void DrawLabelText(HDC dc, const std::string& text, RECT rect, UINT format, int32_t textEffect,
                   COLORREF colour);

}  // namespace quorvane
