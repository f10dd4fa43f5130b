// The focus stops of a window: its visible, enabled controls with the focus-stop flag, ordered by
// focus order, and among equal values the control later in form order first.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace quorvane {

class MainWindow;

std::vector<HWND> FocusStops(const MainWindow& window);

// The stop that gets the focus when the window receives it and no control had it before.
HWND FirstFocusStop(const MainWindow& window);

// The stop after (forward) or before the one holding the focus, wrapping around at either end.
// When the focus is on no stop, forward gives the first stop and backward the last.
HWND NeighbourFocusStop(const MainWindow& window, HWND focus, bool forward);

}  // namespace quorvane
