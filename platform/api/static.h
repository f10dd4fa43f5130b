// Our declarations of the Static control: SS_ styles and STM_ messages.
#pragma once

#include "platform/api/types.h"
