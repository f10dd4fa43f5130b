// GetSystemMenu, DeleteMenu, RemoveMenu, EnableMenuItem and the item queries over the system menu
// model. Menu handles are checked like every handle: unknown ones fail with
// ERROR_INVALID_MENU_HANDLE.
#include <algorithm>
#include <cstring>

#include "platform/api/kernel32.h"
#include "platform/api/menu.h"
#include "platform/user/menu/system_menu.h"
#include "platform/user/window.h"

using namespace layer::user;

namespace {

Menu* FindMenuOrFail(HMENU handle) {
    Menu* menu = MenuTable::Instance().Find(handle);
    if (menu == nullptr) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
    }
    return menu;
}

// The item a call names, or -1 after SetLastError.
int FindItemOrFail(HMENU handle, Menu*& menu, UINT item, UINT flags) {
    menu = FindMenuOrFail(handle);
    if (menu == nullptr) {
        return -1;
    }
    const int index = FindMenuItem(*menu, item, flags);
    if (index < 0) {
        SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
    }
    return index;
}

}  // namespace

HMENU WINAPI GetSystemMenu(HWND handle, BOOL revert) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || (window->style & WS_SYSMENU) == 0) {
        return nullptr;
    }
    if (revert) {
        MenuTable::Instance().Revert(handle, window->style);
        return nullptr;
    }
    return MenuTable::Instance().SystemMenuOf(handle, window->style).handle;
}

BOOL WINAPI DeleteMenu(HMENU handle, UINT position, UINT flags) {
    // The system menu has no submenus, so deleting and removing an item are the same.
    return RemoveMenu(handle, position, flags);
}

BOOL WINAPI RemoveMenu(HMENU handle, UINT position, UINT flags) {
    Menu* menu = nullptr;
    const int index = FindItemOrFail(handle, menu, position, flags);
    if (index < 0) {
        return FALSE;
    }
    menu->items.erase(menu->items.begin() + index);
    return TRUE;
}

BOOL WINAPI EnableMenuItem(HMENU handle, UINT item, UINT enable) {
    Menu* menu = nullptr;
    const int index = FindItemOrFail(handle, menu, item, enable);
    if (index < 0) {
        return -1;
    }
    // Returns the previous state of the item: MF_ENABLED, MF_GRAYED, MF_DISABLED or both.
    UINT& state = menu->items[static_cast<size_t>(index)].state;
    const UINT previous = state & (MF_GRAYED | MF_DISABLED);
    state = (state & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) |
            (enable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(previous);
}

int WINAPI GetMenuItemCount(HMENU handle) {
    Menu* menu = FindMenuOrFail(handle);
    return menu != nullptr ? static_cast<int>(menu->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU handle, int position) {
    Menu* menu = FindMenuOrFail(handle);
    if (menu == nullptr || position < 0 || static_cast<size_t>(position) >= menu->items.size()) {
        return static_cast<UINT>(-1);
    }
    return menu->items[static_cast<size_t>(position)].id;
}

UINT WINAPI GetMenuState(HMENU handle, UINT item, UINT flags) {
    Menu* menu = nullptr;
    const int index = FindItemOrFail(handle, menu, item, flags);
    return index < 0 ? static_cast<UINT>(-1) : menu->items[static_cast<size_t>(index)].state;
}

int WINAPI GetMenuStringA(HMENU handle, UINT item, LPSTR text, int size, UINT flags) {
    Menu* menu = nullptr;
    const int index = FindItemOrFail(handle, menu, item, flags);
    if (index < 0) {
        return 0;
    }
    const std::string& itemText = menu->items[static_cast<size_t>(index)].text;
    if (text == nullptr || size <= 0) {
        return static_cast<int>(itemText.size());
    }
    const size_t copied = std::min(itemText.size(), static_cast<size_t>(size - 1));
    std::memcpy(text, itemText.data(), copied);
    text[copied] = '\0';
    return static_cast<int>(copied);
}
