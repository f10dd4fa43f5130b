// Where a window may draw on its top-level surface: its rectangle inside every ancestor's client
// area, minus clipped children and siblings. Windows with WS_EX_TRANSPARENT clip nothing away.
#pragma once

#include "platform/gdi/region.h"

namespace layer::user {

struct Window;

enum class DrawArea { Client, Whole };

// In surface coordinates; empty when the window or an ancestor is hidden.
gdi::Region VisibleRegion(const Window& window, DrawArea area, bool clipChildren,
                          bool clipSiblings);
// The client area in surface coordinates.
RECT SurfaceClientRect(const Window& window);
// The outer rectangle in surface coordinates.
RECT SurfaceWindowRect(const Window& window);

}  // namespace layer::user
