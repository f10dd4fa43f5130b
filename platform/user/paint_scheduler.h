// Update regions and the windows that owe a paint: invalidation, validation and the search for
// the next window to receive WM_PAINT (parents before children, back to front).
#pragma once

#include "platform/api/user32.h"
#include "platform/gdi/region.h"

namespace layer::user {

struct Window;

// The next window that needs WM_PAINT and passes the retrieval filter, or null.
HWND FindWindowNeedingPaint(HWND filter);

// Adds (or with validate set removes) a region in the window's client coordinates, following the
// RDW_ flags down to the children. A null region means the whole client area.
void ChangeUpdateRegion(HWND window, const gdi::Region* region, UINT flags);

// Sends the pending WM_NCPAINT and WM_ERASEBKGND of a window (and, with children set, of its
// descendants): what RDW_ERASENOW asks for.
void EraseNow(HWND window, bool children);
// Paints the window and, with children set, its descendants right away: RDW_UPDATENOW.
void UpdateNow(HWND window, bool children);

}  // namespace layer::user
