// Our declarations of Text: code page 936 helpers, font metrics and text output (TextOutA, DrawTextA and friends).
#pragma once

#include "platform/api/types.h"
