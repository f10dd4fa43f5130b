// Our declarations of menus as far as the system menu needs: GetSystemMenu, DeleteMenu, RemoveMenu, EnableMenuItem, MF_ values.
#pragma once

#include "platform/api/types.h"
