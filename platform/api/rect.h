// Our declarations of rectangle helpers: SetRect, IntersectRect, IsRectEmpty, OffsetRect, InflateRect, PtInRect and friends.
#pragma once

#include "platform/api/types.h"
