// The non-client area's geometry from the styles: frame and caption sizes, the default
// WM_NCCALCSIZE and WM_NCHITTEST answers, and AdjustWindowRectEx.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

struct Window;

struct FrameSizes {
    int frame = 0;       // the outer frame: sizing 4, fixed 3, border 1, or 0
    int caption = 0;     // the caption's height including its bottom line, or 0
    int clientEdge = 0;  // WS_EX_CLIENTEDGE 2 plus WS_EX_STATICEDGE 1
};

FrameSizes FrameSizesFor(DWORD style, DWORD exStyle);
// The client rectangle for a window rectangle, both in the same coordinates.
RECT DefaultClientRect(const RECT& windowRect, DWORD style, DWORD exStyle);
// The caption band and the close box in window coordinates (empty when there is none).
RECT CaptionRect(const Window& window);
RECT CloseBoxRect(const Window& window);
RECT SystemMenuRect(const Window& window);
// The default hit-test answer for a point in screen coordinates.
LRESULT DefaultHitTest(const Window& window, POINT screenPoint);

}  // namespace layer::user
