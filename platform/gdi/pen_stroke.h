// Lines drawn with a DC's pen, as LineTo and the outline of Rectangle draw them.
#pragma once

#include "platform/gdi/device_context.h"

namespace layer::gdi {

// Draws the line from one logical point towards another with the DC's pen and binary raster
// operation. The end point itself is not drawn, so that joined lines touch each pixel once.
void StrokeLine(DeviceContext& dc, POINT from, POINT to);

}  // namespace layer::gdi
