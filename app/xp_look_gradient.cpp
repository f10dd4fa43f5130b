// Four-corner gradients through GradientFill in triangle mode.
#include "app/xp_look_gradient.h"

namespace quorvane {
namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
    TRIVERTEX vertex{};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    vertex.Alpha = 0;
    return vertex;
}

}  // namespace

bool FillCornerGradient(HDC dc, const RECT& rect, const CornerColours& colours) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return true;
    }
    TRIVERTEX vertices[4] = {
        Vertex(rect.left, rect.top, colours.topLeft),
        Vertex(rect.right, rect.top, colours.topRight),
        Vertex(rect.left, rect.bottom, colours.bottomLeft),
        Vertex(rect.right, rect.bottom, colours.bottomRight),
    };
    // Both triangles share the top-right to bottom-left diagonal.
    GRADIENT_TRIANGLE triangles[2] = {{0, 1, 2}, {1, 3, 2}};
    return ::GradientFill(dc, vertices, 4, triangles, 2, GRADIENT_FILL_TRIANGLE) != FALSE;
}

}  // namespace quorvane
