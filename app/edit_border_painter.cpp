// Painting an edit box's flat border in the XP look.
#include "app/edit_border_painter.h"

#include "app/solid_fill.h"

namespace quorvane {

bool EditBoxHasBorder(DWORD style, DWORD extendedStyle) {
    return (style & WS_BORDER) != 0 || (extendedStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0;
}

void PaintEditBorder(HDC dc, SIZE size, COLORREF border, COLORREF ring) {
    const RECT whole{0, 0, size.cx, size.cy};
    FrameSolid(dc, whole, border);
    FrameSolid(dc, Inset(whole, 1), ring);
}

}  // namespace quorvane
