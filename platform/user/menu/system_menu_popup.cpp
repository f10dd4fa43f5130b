// The system menu popup: it reads the items through the public menu functions, lays them out in
// the dialog font with the shortcut keys right-aligned, and runs a nested loop that owns the
// mouse capture and reads every key while it is open.
#include "platform/user/menu/system_menu_popup.h"

#include <algorithm>
#include <cctype>

#include "platform/api/rect.h"
#include "platform/api/gdi32.h"
#include "platform/api/kernel32.h"
#include "platform/api/menu.h"
#include "platform/api/text.h"
#include "platform/user/frame/caption_painter.h"
#include "platform/user/menu/system_menu.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

constexpr int kFrame = 3;            // a raised two-pixel edge and one pixel of face
constexpr int kItemHeight = 17;      // a text item
constexpr int kSeparatorHeight = 9;  // an etched line in the middle
constexpr int kTextMargin = 17;      // the check-mark column at the left, and the right margin
constexpr int kShortcutGap = 16;     // between the longest label and the shortcut column

bool RegisterPopupClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSA popupClass{};
        popupClass.style = CS_SAVEBITS;
        popupClass.lpfnWndProc = procedure;
        popupClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        popupClass.lpszClassName = SystemMenuPopup::kClassName;
        return ::RegisterClassA(&popupClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

char MnemonicOf(const std::string& label) {
    for (size_t at = 0; at + 1 < label.size(); ++at) {
        if (label[at] == '&') {
            if (label[at + 1] == '&') {
                ++at;
                continue;
            }
            return static_cast<char>(std::toupper(static_cast<unsigned char>(label[at + 1])));
        }
    }
    return 0;
}

SIZE TextSize(HDC dc, const std::string& text, UINT format) {
    RECT measured{0, 0, 0, 0};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                format | DT_CALCRECT | DT_SINGLELINE);
    return SIZE{measured.right - measured.left, measured.bottom - measured.top};
}

}  // namespace

UINT SystemMenuPopup::Run(HWND window, POINT topLeft, bool byKeyboard) {
    if (!::IsWindow(window) || !RegisterPopupClass(&Procedure)) {
        return 0;
    }
    SystemMenuPopup menu(window, byKeyboard);
    if (!menu.Load()) {
        return 0;
    }
    ::SendMessageA(window, WM_ENTERMENULOOP, FALSE, 0);
    HMENU handle = ::GetSystemMenu(window, FALSE);
    ::SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(handle), 0);
    ::SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(handle), MAKELPARAM(0, TRUE));
    // The program may have changed the items while it was told about them.
    if (!::IsWindow(window) || !menu.Load()) {
        return 0;
    }
    SIZE size = menu.Layout();
    // The menu stays on the screen: it opens up or to the left when it would run off.
    SIZE screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    topLeft.x = std::max<LONG>(0, std::min<LONG>(topLeft.x, screen.cx - size.cx));
    topLeft.y = std::max<LONG>(0, std::min<LONG>(topLeft.y, screen.cy - size.cy));
    menu.popup_ =
        ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, topLeft.x,
                          topLeft.y, size.cx, size.cy, window, nullptr, nullptr, nullptr);
    UINT chosen = 0;
    if (menu.popup_ != nullptr) {
        ::SetWindowLongPtrA(menu.popup_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&menu));
        if (byKeyboard) {
            menu.Step(1);
        }
        ::ShowWindow(menu.popup_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(menu.popup_);
        chosen = menu.Loop();
        if (::IsWindow(menu.popup_)) {
            ::SetWindowLongPtrA(menu.popup_, GWLP_USERDATA, 0);
            ::DestroyWindow(menu.popup_);
        }
    }
    if (::IsWindow(window)) {
        ::SendMessageA(window, WM_EXITMENULOOP, FALSE, 0);
        if (chosen != 0) {
            ::PostMessageA(window, WM_SYSCOMMAND, chosen, 0);
        }
    }
    return chosen;
}

bool SystemMenuPopup::Load() {
    HMENU handle = ::GetSystemMenu(owner_, FALSE);
    if (Menu* model = MenuTable::Instance().Find(handle)) {
        MenuTable::Instance().UpdateStates(*model,
                                           static_cast<DWORD>(::GetWindowLongA(owner_, GWL_STYLE)));
    }
    int count = ::GetMenuItemCount(handle);
    if (count <= 0) {
        return false;
    }
    items_.clear();
    for (int position = 0; position < count; ++position) {
        Item item;
        UINT state = ::GetMenuState(handle, static_cast<UINT>(position), MF_BYPOSITION);
        if ((state & MF_SEPARATOR) == 0) {
            item.id = ::GetMenuItemID(handle, position);
            char text[256] = {};
            ::GetMenuStringA(handle, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
            std::string full = text;
            size_t tab = full.find('\t');
            item.label = full.substr(0, tab);
            item.shortcut = tab == std::string::npos ? "" : full.substr(tab + 1);
            item.mnemonic = MnemonicOf(item.label);
            item.enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
            item.isDefault = (state & MF_DEFAULT) != 0;
        }
        items_.push_back(std::move(item));
    }
    selected_ = -1;
    return true;
}

SIZE SystemMenuPopup::Layout() {
    HDC dc = ::GetDC(nullptr);
    int labelWidth = 0;
    int shortcutWidth = 0;
    for (const Item& item : items_) {
        if (item.id == 0) {
            continue;
        }
        ::SelectObject(dc, item.isDefault ? CaptionFont() : ::GetStockObject(DEFAULT_GUI_FONT));
        labelWidth = std::max<int>(labelWidth, TextSize(dc, item.label, 0).cx);
        shortcutWidth = std::max<int>(shortcutWidth, TextSize(dc, item.shortcut, 0).cx);
    }
    ::ReleaseDC(nullptr, dc);
    int width = kTextMargin + labelWidth + (shortcutWidth > 0 ? kShortcutGap + shortcutWidth : 0) +
                kTextMargin;
    int y = kFrame;
    for (Item& item : items_) {
        int height = item.id == 0 ? kSeparatorHeight : kItemHeight;
        item.rect = RECT{kFrame, y, kFrame + width, y + height};
        y += height;
    }
    return SIZE{width + 2 * kFrame, y + kFrame};
}

UINT SystemMenuPopup::Loop() {
    ::SetCapture(popup_);
    MSG message;
    while (true) {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0 || !::IsWindow(popup_) || !::IsWindow(owner_) || ::GetCapture() != popup_) {
            break;
        }
        if (!Handle(message)) {
            break;
        }
    }
    if (::GetCapture() == popup_) {
        ::ReleaseCapture();
    }
    return chosen_;
}

bool SystemMenuPopup::Handle(const MSG& message) {
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return HandleKey(static_cast<UINT>(message.wParam));
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return true;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            int index = ItemAt(message.pt);
            if (index >= 0 || selected_ >= 0) {
                Select(index >= 0 ? index : (byKeyboard_ ? selected_ : -1));
            }
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            // A press outside the menu closes it; one inside waits for the release.
            return ItemAt(message.pt) >= 0 || PtInRectangle(message.pt);
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP: {
            int index = ItemAt(message.pt);
            if (index >= 0 && items_[static_cast<size_t>(index)].id != 0 &&
                items_[static_cast<size_t>(index)].enabled) {
                Choose(index);
                return false;
            }
            return true;
        }
        default:
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
            return true;
    }
}

bool SystemMenuPopup::PtInRectangle(POINT screenPoint) const {
    RECT rect;
    return ::GetWindowRect(popup_, &rect) && ::PtInRect(&rect, screenPoint);
}

bool SystemMenuPopup::HandleKey(UINT virtualKey) {
    switch (virtualKey) {
        case VK_UP:
            Step(-1);
            return true;
        case VK_DOWN:
            Step(1);
            return true;
        case VK_HOME:
            selected_ = -1;
            Step(1);
            return true;
        case VK_END:
            selected_ = static_cast<int>(items_.size());
            Step(-1);
            return true;
        case VK_RETURN:
            if (selected_ >= 0 && items_[static_cast<size_t>(selected_)].enabled) {
                Choose(selected_);
                return false;
            }
            return selected_ >= 0;
        case VK_ESCAPE:
        case VK_MENU:
        case VK_F10:
            return false;
        default:
            // Letters and digits choose by mnemonic, with or without Alt held.
            if ((virtualKey >= 'A' && virtualKey <= 'Z') ||
                (virtualKey >= '0' && virtualKey <= '9')) {
                return HandleChar(static_cast<char>(virtualKey));
            }
            return true;
    }
}

bool SystemMenuPopup::HandleChar(char typed) {
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    for (size_t index = 0; index < items_.size(); ++index) {
        const Item& item = items_[index];
        if (item.id != 0 && item.enabled && item.mnemonic != 0 && item.mnemonic == upper) {
            Choose(static_cast<int>(index));
            return false;
        }
    }
    return true;
}

int SystemMenuPopup::ItemAt(POINT screenPoint) const {
    POINT point = screenPoint;
    ::ScreenToClient(popup_, &point);
    for (size_t index = 0; index < items_.size(); ++index) {
        if (items_[index].id != 0 && ::PtInRect(&items_[index].rect, point)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void SystemMenuPopup::Select(int index) {
    if (index == selected_) {
        return;
    }
    selected_ = index;
    ::InvalidateRect(popup_, nullptr, TRUE);
    ::UpdateWindow(popup_);
}

void SystemMenuPopup::Step(int direction) {
    int count = static_cast<int>(items_.size());
    int index = selected_;
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + direction) % count + count) % count;
        if (items_[static_cast<size_t>(index)].id != 0) {
            Select(index);
            return;
        }
    }
}

void SystemMenuPopup::Choose(int index) {
    chosen_ = items_[static_cast<size_t>(index)].id;
}

LRESULT CALLBACK SystemMenuPopup::Procedure(HWND popup, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* menu =
        reinterpret_cast<const SystemMenuPopup*>(::GetWindowLongPtrA(popup, GWLP_USERDATA));
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC dc = ::BeginPaint(popup, &paint)) {
                if (menu != nullptr) {
                    Paint(popup, dc, *menu);
                }
                ::EndPaint(popup, &paint);
            }
            return 0;
        }
        default:
            return ::DefWindowProcA(popup, message, wParam, lParam);
    }
}

void SystemMenuPopup::Paint(HWND popup, HDC dc, const SystemMenuPopup& menu) {
    RECT client;
    ::GetClientRect(popup, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_MENU));
    RECT edge = client;
    ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    ::SetBkMode(dc, TRANSPARENT);
    for (size_t index = 0; index < menu.items_.size(); ++index) {
        const Item& item = menu.items_[index];
        RECT rect = item.rect;
        if (item.id == 0) {
            RECT line{rect.left + 1, rect.top + kSeparatorHeight / 2 - 1, rect.right - 1,
                      rect.top + kSeparatorHeight / 2 + 1};
            ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
            continue;
        }
        bool selected = static_cast<int>(index) == menu.selected_;
        if (selected) {
            ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        ::SelectObject(dc, item.isDefault ? CaptionFont() : ::GetStockObject(DEFAULT_GUI_FONT));
        RECT text{rect.left + kTextMargin, rect.top, rect.right - kTextMargin, rect.bottom};
        auto draw = [&](const RECT& at, COLORREF color) {
            ::SetTextColor(dc, color);
            RECT label = at;
            ::DrawTextA(dc, item.label.c_str(), static_cast<int>(item.label.size()), &label,
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            RECT shortcut = at;
            ::DrawTextA(dc, item.shortcut.c_str(), static_cast<int>(item.shortcut.size()),
                        &shortcut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        };
        if (item.enabled) {
            draw(text, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        } else if (selected) {
            draw(text, ::GetSysColor(COLOR_GRAYTEXT));
        } else {
            RECT embossed{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
            draw(embossed, ::GetSysColor(COLOR_BTNHIGHLIGHT));
            draw(text, ::GetSysColor(COLOR_BTNSHADOW));
        }
    }
}

}  // namespace layer::user
