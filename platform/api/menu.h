// Our declarations of menus as far as the system menu needs: GetSystemMenu, DeleteMenu,
// RemoveMenu, EnableMenuItem, the item queries and the MF_ values.
#pragma once

#include "platform/api/types.h"

// How an item is named: by its command id or by its position.
#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L

// Item states and kinds.
#define MF_ENABLED 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_UNCHECKED 0x00000000L
#define MF_CHECKED 0x00000008L
#define MF_STRING 0x00000000L
#define MF_POPUP 0x00000010L
#define MF_HILITE 0x00000080L
#define MF_SEPARATOR 0x00000800L
#define MF_DEFAULT 0x00001000L

#define ERROR_INVALID_MENU_HANDLE 1401L
#define ERROR_MENU_ITEM_NOT_FOUND 1456L

HMENU WINAPI GetSystemMenu(HWND window, BOOL revert);
BOOL WINAPI DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL WINAPI RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL WINAPI EnableMenuItem(HMENU menu, UINT item, UINT enable);
int WINAPI GetMenuItemCount(HMENU menu);
UINT WINAPI GetMenuItemID(HMENU menu, int position);
UINT WINAPI GetMenuState(HMENU menu, UINT item, UINT flags);
int WINAPI GetMenuStringA(HMENU menu, UINT item, LPSTR text, int size, UINT flags);
