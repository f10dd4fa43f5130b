// Our declarations of rectangle helpers: SetRect, IntersectRect, IsRectEmpty, OffsetRect,
// InflateRect, PtInRect and friends.
#pragma once

#include "platform/api/types.h"

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL WINAPI SetRectEmpty(LPRECT rect);
BOOL WINAPI CopyRect(LPRECT destination, const RECT* source);
BOOL WINAPI IsRectEmpty(const RECT* rect);
BOOL WINAPI EqualRect(const RECT* first, const RECT* second);
BOOL WINAPI PtInRect(const RECT* rect, POINT point);
BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
BOOL WINAPI IntersectRect(LPRECT destination, const RECT* first, const RECT* second);
BOOL WINAPI UnionRect(LPRECT destination, const RECT* first, const RECT* second);
BOOL WINAPI SubtractRect(LPRECT destination, const RECT* first, const RECT* second);
