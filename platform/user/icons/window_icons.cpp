// Per-window icons. A top-level window's icon also goes to the host, which shows it in the
// desktop's taskbar and switcher: the big icon, as the system's taskbar uses, else the small one.
#include "platform/user/icons/window_icons.h"

#include <map>
#include <vector>

#include "platform/api/resources.h"
#include "platform/host/host.h"
#include "platform/user/icons/icon_table.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"

namespace layer::user {

namespace {

struct WindowIcons {
    HICON big = nullptr;
    HICON small = nullptr;
};

std::map<HWND, WindowIcons>& IconsByWindow() {
    static std::map<HWND, WindowIcons> icons;
    return icons;
}

// Window handles are never reused, so the records of destroyed windows are only dropped here,
// whenever a window sets an icon.
void ForgetDestroyedWindows() {
    std::erase_if(IconsByWindow(),
                  [](const auto& entry) { return LookupWindow(entry.first) == nullptr; });
}

const WindowIcons* IconsOf(HWND window) {
    auto found = IconsByWindow().find(window);
    return found != IconsByWindow().end() ? &found->second : nullptr;
}

void TellHost(const Window& window, const WindowIcons& icons) {
    host::Host* host = host::Current();
    if (host == nullptr || window.parent != nullptr) {
        return;
    }
    const IconImage* image = IconTable::Instance().Find(icons.big);
    if (image == nullptr) {
        image = IconTable::Instance().Find(icons.small);
    }
    if (image == nullptr) {
        host->SetTopLevelIcon(window.handle, 0, 0, {});
        return;
    }
    host->SetTopLevelIcon(window.handle, image->width, image->height, image->argb);
}

}  // namespace

LRESULT AnswerIconMessage(HWND handle, UINT message, WPARAM which, LPARAM icon) {
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return 0;
    }
    if (message == WM_GETICON) {
        const WindowIcons* icons = IconsOf(handle);
        if (icons == nullptr) {
            return 0;
        }
        switch (which) {
            case ICON_BIG:
                return reinterpret_cast<LRESULT>(icons->big);
            case ICON_SMALL:
                return reinterpret_cast<LRESULT>(icons->small);
            case ICON_SMALL2:
                return reinterpret_cast<LRESULT>(icons->small != nullptr ? icons->small
                                                                         : icons->big);
            default:
                return 0;
        }
    }
    if (which != ICON_BIG && which != ICON_SMALL) {
        return 0;
    }
    ForgetDestroyedWindows();
    WindowIcons& icons = IconsByWindow()[handle];
    HICON& slot = which == ICON_BIG ? icons.big : icons.small;
    HICON previous = slot;
    slot = reinterpret_cast<HICON>(icon);
    TellHost(*window, icons);
    return reinterpret_cast<LRESULT>(previous);
}

HICON SmallIconOf(HWND handle) {
    const Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return nullptr;
    }
    if (const WindowIcons* icons = IconsOf(handle)) {
        if (icons->small != nullptr) {
            return icons->small;
        }
        if (icons->big != nullptr) {
            return icons->big;
        }
    }
    return window->windowClass->smallIcon != nullptr ? window->windowClass->smallIcon
                                                     : window->windowClass->icon;
}

}  // namespace layer::user
