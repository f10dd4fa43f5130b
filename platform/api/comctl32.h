// Our declarations of comctl32: _TrackMouseEvent.
#pragma once

#include "platform/api/types.h"

#include "platform/api/user32.h"

BOOL WINAPI _TrackMouseEvent(LPTRACKMOUSEEVENT track);
