// The program's only door to the window system. On Windows it is the system's own API; elsewhere
// it is our Win32-subset layer, which declares the same functions, types and constants.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#else
#include "platform/api/types.h"
#include "platform/api/kernel32.h"
#include "platform/api/user32.h"
#include "platform/api/gdi32.h"
#include "platform/api/text.h"
#include "platform/api/msimg32.h"
#include "platform/api/comctl32.h"
#include "platform/api/rect.h"
#include "platform/api/resources.h"
#include "platform/api/menu.h"
#include "platform/api/button.h"
#include "platform/api/edit.h"
#include "platform/api/static.h"
#include "platform/api/message_box.h"
#endif
