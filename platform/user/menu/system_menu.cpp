// The system menu model: its default items by window style and the table of menu handles.
#include "platform/user/menu/system_menu.h"

#include <algorithm>

#include "platform/user/window.h"

namespace layer::user {

namespace {

// Texts in code page 936: 还原(&R), 移动(&M), 大小(&S), 最小化(&N), 最大化(&X), 关闭(&C) Alt+F4.
constexpr char kRestore[] = "\xBB\xB9\xD4\xAD(&R)";
constexpr char kMove[] = "\xD2\xC6\xB6\xAF(&M)";
constexpr char kSize[] = "\xB4\xF3\xD0\xA1(&S)";
constexpr char kMinimize[] = "\xD7\xEE\xD0\xA1\xBB\xAF(&N)";
constexpr char kMaximize[] = "\xD7\xEE\xB4\xF3\xBB\xAF(&X)";
constexpr char kClose[] = "\xB9\xD8\xB1\xD5(&C)\tAlt+F4";

constexpr UINT kSeparatorState = MF_SEPARATOR | MF_GRAYED | MF_DISABLED;

bool HasFullMenu(DWORD style) {
    return (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) != 0;
}

// Whether the style allows a command of the system menu now.
bool Allowed(UINT command, DWORD style) {
    const bool minimized = (style & WS_MINIMIZE) != 0;
    const bool maximized = (style & WS_MAXIMIZE) != 0;
    switch (command) {
        case SC_RESTORE:
            return minimized || maximized;
        case SC_MOVE:
            return !maximized;
        case SC_SIZE:
            return (style & WS_THICKFRAME) != 0 && !minimized && !maximized;
        case SC_MINIMIZE:
            return (style & WS_MINIMIZEBOX) != 0 && !minimized;
        case SC_MAXIMIZE:
            return (style & WS_MAXIMIZEBOX) != 0 && !maximized;
        default:
            return true;
    }
}

}  // namespace

std::vector<MenuItem> DefaultSystemMenuItems(DWORD style) {
    std::vector<MenuItem> items;
    if (HasFullMenu(style)) {
        items = {{SC_RESTORE, kRestore, 0},     {SC_MOVE, kMove, 0},
                 {SC_SIZE, kSize, 0},           {SC_MINIMIZE, kMinimize, 0},
                 {SC_MAXIMIZE, kMaximize, 0},   {0, "", kSeparatorState},
                 {SC_CLOSE, kClose, MF_DEFAULT}};
    } else {
        items = {{SC_MOVE, kMove, 0}, {0, "", kSeparatorState}, {SC_CLOSE, kClose, MF_DEFAULT}};
    }
    for (MenuItem& item : items) {
        if (item.id != 0 && !Allowed(item.id, style)) {
            item.state |= MF_GRAYED;
        }
    }
    return items;
}

int FindMenuItem(const Menu& menu, UINT item, UINT flags) {
    if ((flags & MF_BYPOSITION) != 0) {
        return item < menu.items.size() ? static_cast<int>(item) : -1;
    }
    auto found = std::find_if(menu.items.begin(), menu.items.end(), [&](const MenuItem& entry) {
        return entry.id != 0 && entry.id == item;
    });
    return found != menu.items.end() ? static_cast<int>(found - menu.items.begin()) : -1;
}

MenuTable& MenuTable::Instance() {
    static MenuTable table;
    return table;
}

void MenuTable::ForgetDestroyedWindows() {
    for (auto entry = byWindow_.begin(); entry != byWindow_.end();) {
        if (LookupWindow(entry->first) == nullptr) {
            menus_.erase(entry->second);
            entry = byWindow_.erase(entry);
        } else {
            ++entry;
        }
    }
}

Menu& MenuTable::SystemMenuOf(HWND window, DWORD style) {
    auto existing = byWindow_.find(window);
    if (existing != byWindow_.end()) {
        return menus_.at(existing->second);
    }
    ForgetDestroyedWindows();
    const uintptr_t value = nextHandle_;
    nextHandle_ += 4;
    Menu& menu = menus_[value];
    menu.handle = reinterpret_cast<HMENU>(value);
    menu.window = window;
    menu.items = DefaultSystemMenuItems(style);
    byWindow_[window] = value;
    return menu;
}

void MenuTable::UpdateStates(Menu& menu, DWORD style) {
    for (MenuItem& item : menu.items) {
        if (item.id == 0 || item.id == SC_CLOSE) {
            continue;
        }
        if (Allowed(item.id, style)) {
            item.state &= ~static_cast<UINT>(MF_GRAYED);
        } else {
            item.state |= MF_GRAYED;
        }
    }
}

void MenuTable::Revert(HWND window, DWORD style) {
    auto existing = byWindow_.find(window);
    if (existing != byWindow_.end()) {
        menus_.at(existing->second).items = DefaultSystemMenuItems(style);
    }
}

Menu* MenuTable::Find(HMENU handle) {
    auto found = menus_.find(reinterpret_cast<uintptr_t>(handle));
    if (found == menus_.end() || LookupWindow(found->second.window) == nullptr) {
        return nullptr;
    }
    return &found->second;
}

}  // namespace layer::user
