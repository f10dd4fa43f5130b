// Solid fills the XP look's painters share: a rectangle, a one-pixel frame and single pixels.
#pragma once

#include "platform/win32.h"

namespace quorvane {

// Fills the rectangle (right and bottom exclusive) with the colour; an empty one draws nothing.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    HBRUSH brush = ::CreateSolidBrush(colour);
    if (brush != nullptr) {
        ::FillRect(dc, &rect, brush);
        ::DeleteObject(brush);
    }
}

// A one-pixel frame along the inside of the rectangle.
inline void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    HBRUSH brush = ::CreateSolidBrush(colour);
    if (brush != nullptr) {
        ::FrameRect(dc, &rect, brush);
        ::DeleteObject(brush);
    }
}

inline RECT Inset(const RECT& rect, int amount) {
    return {rect.left + amount, rect.top + amount, rect.right - amount, rect.bottom - amount};
}

}  // namespace quorvane
