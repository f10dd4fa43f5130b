// Our declarations of the Button control: BS_ styles, BN_ notifications, BM_ messages, BST_ states.
#pragma once

#include "platform/api/types.h"
