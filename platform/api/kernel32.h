// Our declarations of kernel32: tick count, last error, process exit, module and resource functions.
#pragma once

#include "platform/api/types.h"
