// The XP look's gradients: a rectangle shaded from the colours of its four corners.
#pragma once

#include "app/xp_look_colours.h"
#include "platform/win32.h"

namespace quorvane {

// Fills the rectangle with two GradientFill triangles cut along its diagonal from the top-right
// to the bottom-left corner. An empty rectangle draws nothing and succeeds.
bool FillCornerGradient(HDC dc, const RECT& rect, const CornerColours& colours);

}  // namespace quorvane
