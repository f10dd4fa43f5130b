// The system menu model: for each window that asked for it, a list of items (command id, text in
// code page 936, state) behind an HMENU handle. The popup that shows the menu reads this model;
// GetSystemMenu, DeleteMenu, EnableMenuItem and friends change it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/api/menu.h"
#include "platform/api/user32.h"

namespace layer::user {

struct MenuItem {
    UINT id = 0;       // SC_ command, 0 for a separator
    std::string text;  // "&" before the mnemonic letter, a tab before the shortcut key
    UINT state = 0;    // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_DEFAULT
};

struct Menu {
    HMENU handle = nullptr;
    HWND window = nullptr;  // the window whose system menu it is
    std::vector<MenuItem> items;
};

class MenuTable {
  public:
    static MenuTable& Instance();

    // The system menu of a live window, made with its default items on first use.
    Menu& SystemMenuOf(HWND window, DWORD style);
    // Greys and enables the default items by the window's style now, as the popup does just
    // before it shows the menu; items the program greyed or removed stay so.
    void UpdateStates(Menu& menu, DWORD style);
    // Gives a window's system menu its default items again.
    void Revert(HWND window, DWORD style);
    // The menu behind a handle, or null when it is unknown or its window is gone.
    Menu* Find(HMENU handle);

  private:
    void ForgetDestroyedWindows();

    std::map<uintptr_t, Menu> menus_;
    std::map<HWND, uintptr_t> byWindow_;
    uintptr_t nextHandle_ = 0x00E00010;
};

// The default items of a system menu for a window of the given style. A window with a minimise
// or maximise box or a sizing frame gets restore, move, size, minimise, maximise, a separator and
// close, each greyed where the style does not allow it; any other window gets move, a separator
// and close.
std::vector<MenuItem> DefaultSystemMenuItems(DWORD style);

// The index of the item a call names (by command id or by position), or -1.
int FindMenuItem(const Menu& menu, UINT item, UINT flags);

}  // namespace layer::user
