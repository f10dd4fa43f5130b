// The XP look's window procedure, which stands in front of a restyled control's own: it tracks the
// control's state, keeps its parent's colour answer and paints the control in the look.
#pragma once

#include "platform/win32.h"

namespace quorvane {

LRESULT CALLBACK XpLookWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the restyled control in the look at once, composed off-screen and copied once. Does
// nothing for a window without a record, a hidden one, or a kind whose own painting stays.
void PaintInXpLook(HWND window);

// When the look lets a window go while another procedure has been placed in front of its own,
// the look's procedure cannot be taken out of the chain; it then passes every message of that
// window straight on to the procedure it stood in front of.
void KeepForwarding(HWND window, WNDPROC ownProcedure);
// The procedure kept for the window, taken out of the forwarding table, or nullptr.
WNDPROC TakeForwarding(HWND window);

}  // namespace quorvane
