// The rectangle helpers of user32. Null pointers are refused with FALSE, as the system does, and
// coordinates wrap around at 32 bits instead of overflowing.
#include <algorithm>
#include <cstdint>

#include "platform/api/rect.h"

namespace {

// Two's-complement addition, so that huge offsets wrap the way the system's arithmetic does.
LONG Wrapped(LONG value, int64_t delta) {
    return static_cast<LONG>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

bool Empty(const RECT& rect) {
    return rect.left >= rect.right || rect.top >= rect.bottom;
}

}  // namespace

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT destination, const RECT* source) {
    if (destination == nullptr || source == nullptr) {
        return FALSE;
    }
    *destination = *source;
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return rect == nullptr || Empty(*rect);
}

BOOL WINAPI EqualRect(const RECT* first, const RECT* second) {
    if (first == nullptr || second == nullptr) {
        return FALSE;
    }
    return first->left == second->left && first->top == second->top &&
           first->right == second->right && first->bottom == second->bottom;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    if (rect == nullptr) {
        return FALSE;
    }
    return point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{Wrapped(rect->left, dx), Wrapped(rect->top, dy), Wrapped(rect->right, dx),
                 Wrapped(rect->bottom, dy)};
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{Wrapped(rect->left, -int64_t{dx}), Wrapped(rect->top, -int64_t{dy}),
                 Wrapped(rect->right, dx), Wrapped(rect->bottom, dy)};
    return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT destination, const RECT* first, const RECT* second) {
    if (destination == nullptr || first == nullptr || second == nullptr) {
        return FALSE;
    }
    const RECT overlap{std::max(first->left, second->left), std::max(first->top, second->top),
                       std::min(first->right, second->right),
                       std::min(first->bottom, second->bottom)};
    // An empty source or no overlap leaves an all-zero rectangle behind.
    if (Empty(*first) || Empty(*second) || Empty(overlap)) {
        *destination = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *destination = overlap;
    return TRUE;
}

BOOL WINAPI UnionRect(LPRECT destination, const RECT* first, const RECT* second) {
    if (destination == nullptr || first == nullptr || second == nullptr) {
        return FALSE;
    }
    // Empty rectangles take no part in the union, wherever they lie.
    if (Empty(*first) && Empty(*second)) {
        *destination = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (Empty(*first) || Empty(*second)) {
        *destination = Empty(*first) ? *second : *first;
        return TRUE;
    }
    *destination =
        RECT{std::min(first->left, second->left), std::min(first->top, second->top),
             std::max(first->right, second->right), std::max(first->bottom, second->bottom)};
    return TRUE;
}

BOOL WINAPI SubtractRect(LPRECT destination, const RECT* first, const RECT* second) {
    if (destination == nullptr || first == nullptr || second == nullptr) {
        return FALSE;
    }
    if (Empty(*first)) {
        *destination = RECT{0, 0, 0, 0};
        return FALSE;
    }
    RECT result = *first;
    RECT overlap;
    // Only a cut that spans the whole height or width leaves a rectangle; any other cut leaves
    // the first rectangle as it was.
    if (IntersectRect(&overlap, first, second) != FALSE) {
        if (EqualRect(&overlap, first) != FALSE) {
            *destination = RECT{0, 0, 0, 0};
            return FALSE;
        }
        if (overlap.top == result.top && overlap.bottom == result.bottom) {
            if (overlap.left == result.left) {
                result.left = overlap.right;
            } else if (overlap.right == result.right) {
                result.right = overlap.left;
            }
        } else if (overlap.left == result.left && overlap.right == result.right) {
            if (overlap.top == result.top) {
                result.top = overlap.bottom;
            } else if (overlap.bottom == result.bottom) {
                result.bottom = overlap.top;
            }
        }
    }
    *destination = result;
    return TRUE;
}
