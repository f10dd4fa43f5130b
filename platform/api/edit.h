// Our declarations of the Edit control: ES_ styles, EN_ notifications, EM_ messages.
#pragma once

#include "platform/api/types.h"
