// What tests ask of the drawing side of the layer.
#pragma once

#include <cstddef>

namespace layer::gdi {

// GDI objects alive now (brushes, pens, fonts, bitmaps, regions, DCs); stock objects not counted.
size_t LiveObjectCount();

}  // namespace layer::gdi
