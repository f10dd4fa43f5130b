// The handle table and the geometry helpers that every part of the window manager shares.
#include "platform/user/window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/api/kernel32.h"

namespace layer::user {

WindowTable& WindowTable::Instance() {
    static WindowTable table;
    return table;
}

Window& WindowTable::Add() {
    auto window = std::make_unique<Window>();
    // Handles step by two from a fixed base, like the system's own, and are never issued twice.
    window->handle = reinterpret_cast<HWND>(nextHandle_);
    nextHandle_ += 2;
    Window& record = *window;
    windows_.emplace(reinterpret_cast<uintptr_t>(record.handle), std::move(window));
    return record;
}

Window* WindowTable::Find(HWND handle) const {
    auto found = windows_.find(reinterpret_cast<uintptr_t>(handle));
    return found == windows_.end() ? nullptr : found->second.get();
}

void WindowTable::Remove(HWND handle) {
    std::erase(topLevel_, handle);
    windows_.erase(reinterpret_cast<uintptr_t>(handle));
}

std::vector<HWND> WindowTable::All() const {
    std::vector<HWND> handles;
    handles.reserve(windows_.size());
    for (const auto& [value, window] : windows_) {
        handles.push_back(window->handle);
    }
    return handles;
}

Window* LookupWindowOrFail(HWND handle) {
    Window* window = WindowTable::Instance().Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    }
    return window;
}

std::vector<HWND>& SiblingList(const Window& window) {
    if (window.parent != nullptr) {
        Window* parent = LookupWindow(window.parent);
        if (parent == nullptr) {
            std::fprintf(stderr, "window manager: window %p has a parent that no longer exists\n",
                         static_cast<void*>(window.handle));
            std::abort();
        }
        return parent->children;
    }
    return WindowTable::Instance().TopLevelOrder();
}

Window* RootOf(HWND handle) {
    Window* window = LookupWindow(handle);
    while (window != nullptr && window->parent != nullptr) {
        window = LookupWindow(window->parent);
    }
    return window;
}

bool IsChildStyle(const Window& window) {
    return window.parent != nullptr;
}

POINT ScreenClientOrigin(const Window& window) {
    RECT outer = ScreenWindowRect(window);
    return POINT{outer.left + window.clientRect.left, outer.top + window.clientRect.top};
}

RECT ScreenWindowRect(const Window& window) {
    RECT rect = window.windowRect;
    if (window.parent != nullptr) {
        if (Window* parent = LookupWindow(window.parent)) {
            POINT origin = ScreenClientOrigin(*parent);
            rect.left += origin.x;
            rect.right += origin.x;
            rect.top += origin.y;
            rect.bottom += origin.y;
        }
    }
    return rect;
}

POINT SurfaceOffset(const Window& window) {
    Window* root = RootOf(window.handle);
    RECT mine = ScreenWindowRect(window);
    RECT rootRect = root != nullptr ? root->windowRect : mine;
    return POINT{mine.left - rootRect.left, mine.top - rootRect.top};
}

void PlaceTopLevel(Window& window, HWND insertAfter) {
    std::vector<HWND>& order = WindowTable::Instance().TopLevelOrder();
    std::erase(order, window.handle);
    if (insertAfter == HWND_TOPMOST) {
        window.exStyle |= WS_EX_TOPMOST;
    } else if (insertAfter == HWND_NOTOPMOST) {
        window.exStyle &= ~WS_EX_TOPMOST;
    }
    bool topmost = (window.exStyle & WS_EX_TOPMOST) != 0;
    auto isTopmost = [](HWND handle) {
        const Window* other = LookupWindow(handle);
        return other != nullptr && (other->exStyle & WS_EX_TOPMOST) != 0;
    };
    // The band the window belongs to: [bandBegin, bandEnd) of the order.
    auto firstOrdinary = std::find_if_not(order.begin(), order.end(), isTopmost);
    auto bandBegin = topmost ? order.begin() : firstOrdinary;
    auto bandEnd = topmost ? firstOrdinary : order.end();
    auto position = bandBegin;
    if (insertAfter == HWND_BOTTOM) {
        position = bandEnd;
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
               insertAfter != HWND_NOTOPMOST) {
        auto after = std::find(bandBegin, bandEnd, insertAfter);
        position = after == bandEnd ? bandBegin : after + 1;
    }
    order.insert(position, window.handle);
}

bool IsReallyVisible(const Window& window) {
    const Window* current = &window;
    while (current != nullptr) {
        if ((current->style & WS_VISIBLE) == 0) {
            return false;
        }
        current = current->parent != nullptr ? LookupWindow(current->parent) : nullptr;
    }
    return true;
}

}  // namespace layer::user
