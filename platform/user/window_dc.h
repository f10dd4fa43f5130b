// The device contexts the window manager hands out for windows (GetDC, GetWindowDC, GetDCEx,
// BeginPaint), each drawing into its top-level window's surface through the window's visible
// region. Painted areas are recorded as damage and presented to the host later.
#pragma once

#include "platform/api/user32.h"
#include "platform/gdi/region.h"

namespace layer::user {

struct Window;

// A DC on the window's client area (or whole window), clipped to its visible region and, when
// given, to an extra region in surface coordinates.
HDC AcquireWindowDC(Window& window, bool wholeWindow, bool clipChildren, bool clipSiblings,
                    const gdi::Region* intersect);
// Releases a DC made by AcquireWindowDC; false when the DC is not one of the window's.
bool ReleaseWindowDC(HWND window, HDC dc);
// Releases every DC still held for a window that is being destroyed.
void ReleaseAllWindowDCs(HWND window);

}  // namespace layer::user
