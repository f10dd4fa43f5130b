// Our declarations of msimg32: GradientFill.
#pragma once

#include "platform/api/types.h"
