// The popup that shows a window's system menu and lets a person choose from it by keyboard or
// mouse; the choice arrives at the window as WM_SYSCOMMAND.
#pragma once

#include <string>
#include <vector>

#include "platform/api/user32.h"

namespace layer::user {

class SystemMenuPopup {
  public:
    // The menu's class: a top-level popup of the layer's own.
    static constexpr const char* kClassName = "#32768";

    // Shows the system menu of a top-level window with its top-left corner at a screen point and
    // runs its modal loop through the thread's queue. With byKeyboard the first enabled item is
    // highlighted at once. Returns the chosen command (already posted as WM_SYSCOMMAND), or 0.
    static UINT Run(HWND window, POINT topLeft, bool byKeyboard);

  private:
    struct Item {
        UINT id = 0;  // 0 for a separator
        std::string label;
        std::string shortcut;
        char mnemonic = 0;  // upper case
        bool enabled = true;
        bool isDefault = false;
        RECT rect{0, 0, 0, 0};  // client coordinates
    };

    SystemMenuPopup(HWND window, bool byKeyboard) : owner_(window), byKeyboard_(byKeyboard) {}

    bool Load();
    SIZE Layout();
    UINT Loop();
    // Handles one retrieved message; false when the menu closes.
    bool Handle(const MSG& message);
    bool HandleKey(UINT virtualKey);
    bool HandleChar(char typed);
    int ItemAt(POINT screenPoint) const;
    bool PtInRectangle(POINT screenPoint) const;
    void Select(int index);
    void Step(int direction);
    void Choose(int index);

    static LRESULT CALLBACK Procedure(HWND popup, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND popup, HDC dc, const SystemMenuPopup& menu);

    HWND owner_;
    bool byKeyboard_;
    HWND popup_ = nullptr;
    std::vector<Item> items_;
    int selected_ = -1;
    UINT chosen_ = 0;
};

}  // namespace layer::user
