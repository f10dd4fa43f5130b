// The stock objects and the system colour brushes: created once, never deleted, never counted.
#pragma once

#include "platform/api/gdi32.h"
#include "platform/gdi/gdi_object.h"

namespace layer::gdi {

// The 1 x 1 bitmap that every new memory DC starts with.
HBITMAP StockBitmap();

// The brush a drawing call means: a live brush handle, or a system colour given the documented
// way as (HBRUSH)(COLOR_x + 1). Null when it is neither.
const BrushObject* ResolveBrush(HBRUSH brush);

}  // namespace layer::gdi
