// The transparent label's shrink-to-fit: a single-line text wider than the label is drawn in the
// same font made smaller, so that the whole text shows instead of its middle only.
#pragma once

#include <string>

#include "platform/win32.h"

namespace quorvane {

// The text as DrawTextA shows it when prefix processing is on: each "&" that marks the next
// character is gone and "&&" stands for one "&".
std::string WithoutPrefixMarks(const std::string& text);

// When the text, measured with GetTextExtentPoint32A in the font, is wider than width, returns a
// new font that differs from it only in size: the largest character height at which the text fits
// (a fixed character width scales along), or a height of 1 when nothing fits. Returns nullptr when
// the text fits as it is or the font cannot be read. The caller deletes the font it gets. The
// device context comes back with the font it had selected.
HFONT CreateFontToFitWidth(HDC dc, HFONT font, const std::string& text, int width);

}  // namespace quorvane
