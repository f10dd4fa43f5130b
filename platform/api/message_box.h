// Our declarations of MessageBoxA: the MB_ flags and the ID results.
#pragma once

#include "platform/api/types.h"
