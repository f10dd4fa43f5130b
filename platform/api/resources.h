// Our declarations of icons and images from resources: LoadIconA, LoadImageA, DestroyIcon, DrawIconEx, ICON_ and IMAGE_ values.
#pragma once

#include "platform/api/types.h"
