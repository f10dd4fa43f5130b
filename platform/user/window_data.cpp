// What a window carries and how it sits in the tree: window longs and extra bytes, texts,
// properties, parent, owner, siblings and children, and enumeration.
#include <algorithm>
#include <cstring>

#include "platform/api/kernel32.h"
#include "platform/user/paint_scheduler.h"
#include "platform/user/top_level_display.h"
#include "platform/user/window.h"

using namespace layer::user;

namespace {

bool ExtraRange(const Window& window, int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) + size <= window.extraBytes.size();
}

LONG_PTR ReadLong(HWND handle, int index, size_t size) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    if (index >= 0) {
        if (!ExtraRange(*window, index, size)) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG_PTR value = 0;
        if (size == sizeof(LONG)) {
            LONG narrow = 0;
            std::memcpy(&narrow, window->extraBytes.data() + index, size);
            value = narrow;
        } else {
            std::memcpy(&value, window->extraBytes.data() + index, size);
        }
        return value;
    }
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG>(window->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(window->exStyle);
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(window->procedure);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(window->parent != nullptr ? window->parent
                                                                        : window->owner);
        case GWLP_USERDATA:
            return window->userData;
        case GWLP_ID:
            return window->id;
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
}

LONG_PTR WriteLong(HWND handle, int index, LONG_PTR value, size_t size) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    LONG_PTR previous = ReadLong(handle, index, size);
    if (index >= 0) {
        if (!ExtraRange(*window, index, size)) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        if (size == sizeof(LONG)) {
            LONG narrow = static_cast<LONG>(value);
            std::memcpy(window->extraBytes.data() + index, &narrow, size);
        } else {
            std::memcpy(window->extraBytes.data() + index, &value, size);
        }
        return previous;
    }
    switch (index) {
        case GWL_STYLE:
        case GWL_EXSTYLE: {
            STYLESTRUCT change{static_cast<DWORD>(previous), static_cast<DWORD>(value)};
            WPARAM which = static_cast<WPARAM>(index);
            SendMessageA(handle, WM_STYLECHANGING, which, reinterpret_cast<LPARAM>(&change));
            if ((window = LookupWindowOrFail(handle)) == nullptr) {
                return 0;
            }
            (index == GWL_STYLE ? window->style : window->exStyle) = change.styleNew;
            SendMessageA(handle, WM_STYLECHANGED, which, reinterpret_cast<LPARAM>(&change));
            return previous;
        }
        case GWLP_WNDPROC:
            if (value == 0) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return 0;
            }
            window->procedure = reinterpret_cast<WNDPROC>(value);
            return previous;
        case GWLP_HINSTANCE:
            window->instance = reinterpret_cast<HINSTANCE>(value);
            return previous;
        case GWLP_HWNDPARENT:
            if (window->parent == nullptr) {
                window->owner = reinterpret_cast<HWND>(value);
            }
            return previous;
        case GWLP_USERDATA:
            window->userData = value;
            return previous;
        case GWLP_ID:
            window->id = value;
            return previous;
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
}

// A 32-bit window long cannot hold a pointer on a host with wider pointers; the system refuses
// those indexes there too.
bool FitsLong(int index) {
    bool pointer = index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT;
    return !pointer || sizeof(LONG_PTR) == sizeof(LONG);
}

void CollectDescendants(HWND parent, std::vector<HWND>& out) {
    Window* window = LookupWindow(parent);
    if (window == nullptr) {
        return;
    }
    for (HWND child : window->children) {
        out.push_back(child);
        CollectDescendants(child, out);
    }
}

}  // namespace

LONG WINAPI GetWindowLongA(HWND handle, int index) {
    if (!FitsLong(index)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(ReadLong(handle, index, sizeof(LONG)));
}

LONG WINAPI SetWindowLongA(HWND handle, int index, LONG value) {
    if (!FitsLong(index)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(WriteLong(handle, index, value, sizeof(LONG)));
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND handle, int index) {
    return ReadLong(handle, index, sizeof(LONG_PTR));
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND handle, int index, LONG_PTR value) {
    return WriteLong(handle, index, value, sizeof(LONG_PTR));
}

BOOL WINAPI SetWindowTextA(HWND handle, LPCSTR text) {
    if (LookupWindowOrFail(handle) == nullptr) {
        return FALSE;
    }
    return SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND handle, LPSTR text, int size) {
    if (LookupWindowOrFail(handle) == nullptr) {
        return 0;
    }
    if (text == nullptr || size <= 0) {
        return 0;
    }
    text[0] = '\0';
    return static_cast<int>(SendMessageA(handle, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND handle) {
    if (LookupWindowOrFail(handle) == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetPropA(HWND handle, LPCSTR name, HANDLE data) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || name == nullptr || IS_INTRESOURCE(name)) {
        if (window != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return FALSE;
    }
    window->properties[name] = data;
    return TRUE;
}

HANDLE WINAPI GetPropA(HWND handle, LPCSTR name) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || name == nullptr || IS_INTRESOURCE(name)) {
        return nullptr;
    }
    auto found = window->properties.find(name);
    return found == window->properties.end() ? nullptr : found->second;
}

HANDLE WINAPI RemovePropA(HWND handle, LPCSTR name) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr || name == nullptr || IS_INTRESOURCE(name)) {
        return nullptr;
    }
    auto found = window->properties.find(name);
    if (found == window->properties.end()) {
        return nullptr;
    }
    HANDLE data = found->second;
    window->properties.erase(found);
    return data;
}

HWND WINAPI GetParent(HWND handle) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    // A child's parent, or a top-level window's owner, as the documented function answers.
    return window->parent != nullptr ? window->parent : window->owner;
}

HWND WINAPI GetAncestor(HWND handle, UINT flags) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    switch (flags) {
        case GA_PARENT:
            return window->parent;
        case GA_ROOT:
            return RootOf(handle)->handle;
        case GA_ROOTOWNER: {
            Window* root = RootOf(handle);
            while (root->owner != nullptr && LookupWindow(root->owner) != nullptr) {
                root = LookupWindow(root->owner);
            }
            return root->handle;
        }
        default:
            return nullptr;
    }
}

HWND WINAPI SetParent(HWND child, HWND newParent) {
    Window* window = LookupWindowOrFail(child);
    if (window == nullptr) {
        return nullptr;
    }
    if (newParent != nullptr) {
        Window* parent = LookupWindowOrFail(newParent);
        if (parent == nullptr) {
            return nullptr;
        }
        // A window cannot become its own descendant.
        for (Window* up = parent; up != nullptr;
             up = up->parent != nullptr ? LookupWindow(up->parent) : nullptr) {
            if (up->handle == child) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return nullptr;
            }
        }
    }
    HWND previous = window->parent;
    if (previous == newParent) {
        return previous;
    }
    if (previous == nullptr || newParent == nullptr) {
        // Turning a top-level window into a child or back needs a surface change the layer does
        // not offer; the program only moves children between containers.
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bool visible = (window->style & WS_VISIBLE) != 0;
    if (visible) {
        ShowWindow(child, SW_HIDE);
        if ((window = LookupWindow(child)) == nullptr) {
            return nullptr;
        }
    }
    std::erase(SiblingList(*window), child);
    window->parent = newParent;
    // The window keeps its coordinates, which now count from the new parent's client area, and
    // goes to the top of its new siblings.
    LookupWindow(newParent)->children.insert(LookupWindow(newParent)->children.begin(), child);
    if (visible) {
        ShowWindow(child, SW_SHOWNA);
    }
    return previous;
}

HWND WINAPI GetWindow(HWND handle, UINT command) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    if (command == GW_CHILD) {
        return window->children.empty() ? nullptr : window->children.front();
    }
    if (command == GW_OWNER) {
        return window->owner;
    }
    const std::vector<HWND>& siblings = SiblingList(*window);
    auto self = std::find(siblings.begin(), siblings.end(), handle);
    switch (command) {
        case GW_HWNDFIRST:
            return siblings.front();
        case GW_HWNDLAST:
            return siblings.back();
        case GW_HWNDNEXT:
            return (self == siblings.end() || self + 1 == siblings.end()) ? nullptr : *(self + 1);
        case GW_HWNDPREV:
            return (self == siblings.end() || self == siblings.begin()) ? nullptr : *(self - 1);
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
    }
}

HWND WINAPI GetTopWindow(HWND handle) {
    if (handle == nullptr) {
        const std::vector<HWND>& order = WindowTable::Instance().TopLevelOrder();
        return order.empty() ? nullptr : order.front();
    }
    return GetWindow(handle, GW_CHILD);
}

BOOL WINAPI IsChild(HWND parent, HWND handle) {
    Window* window = LookupWindow(handle);
    while (window != nullptr && window->parent != nullptr) {
        if (window->parent == parent) {
            return TRUE;
        }
        window = LookupWindow(window->parent);
    }
    return FALSE;
}

HWND WINAPI GetDesktopWindow(void) {
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND handle) {
    Window* window = LookupWindowOrFail(handle);
    return window != nullptr && window->parent != nullptr ? static_cast<int>(window->id) : 0;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* window = LookupWindowOrFail(dialog);
    if (window == nullptr) {
        return nullptr;
    }
    for (HWND child : window->children) {
        Window* record = LookupWindow(child);
        if (record != nullptr && static_cast<int>(record->id) == id) {
            return child;
        }
    }
    return nullptr;
}

DWORD WINAPI GetWindowThreadProcessId(HWND handle, LPDWORD processId) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    if (processId != nullptr) {
        *processId = GetCurrentProcessId();
    }
    return window->threadId;
}

BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lParam) {
    if (callback == nullptr) {
        return FALSE;
    }
    // The list is taken first, so that windows created or destroyed by the callback neither
    // confuse the walk nor reach it half-made.
    if (parent == nullptr) {
        // Without a parent the function enumerates the top-level windows, as EnumWindows does.
        return EnumWindows(callback, lParam);
    }
    if (LookupWindowOrFail(parent) == nullptr) {
        return FALSE;
    }
    std::vector<HWND> windows;
    CollectDescendants(parent, windows);
    for (HWND handle : windows) {
        if (LookupWindow(handle) != nullptr && !callback(handle, lParam)) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL WINAPI EnumThreadWindows(DWORD threadId, WNDENUMPROC callback, LPARAM lParam) {
    if (callback == nullptr) {
        return FALSE;
    }
    std::vector<HWND> windows = WindowTable::Instance().TopLevelOrder();
    bool any = false;
    for (HWND handle : windows) {
        Window* window = LookupWindow(handle);
        if (window == nullptr || window->threadId != threadId) {
            continue;
        }
        any = true;
        if (!callback(handle, lParam)) {
            return FALSE;
        }
    }
    return any ? TRUE : FALSE;
}

BOOL WINAPI EnumWindows(WNDENUMPROC callback, LPARAM lParam) {
    if (callback == nullptr) {
        return FALSE;
    }
    std::vector<HWND> windows = WindowTable::Instance().TopLevelOrder();
    for (HWND handle : windows) {
        if (LookupWindow(handle) != nullptr && !callback(handle, lParam)) {
            return FALSE;
        }
    }
    return TRUE;
}
