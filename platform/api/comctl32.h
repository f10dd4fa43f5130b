// Our declarations of comctl32: _TrackMouseEvent.
#pragma once

#include "platform/api/types.h"
