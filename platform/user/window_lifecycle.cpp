// Creating and destroying windows with the documented message order: HCBT_CREATEWND,
// WM_GETMINMAXINFO (top-level), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE,
// WM_PARENTNOTIFY; HCBT_DESTROYWND, WM_DESTROY down the tree, then WM_NCDESTROY from the leaves.
#include <algorithm>
#include <cctype>
#include <string>

#include "platform/api/kernel32.h"
#include "platform/host/host.h"
#include "platform/user/diagnostics.h"
#include "platform/user/focus_activation.h"
#include "platform/user/hook_chain.h"
#include "platform/user/message_queue.h"
#include "platform/user/nonclient_metrics.h"
#include "platform/user/top_level_display.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"
#include "platform/user/window_dc.h"

namespace layer::user {

namespace {

std::string& FailingClass() {
    static std::string name;
    return name;
}

bool ConsumeInjectedFailure(const std::string& className) {
    std::string& failing = FailingClass();
    if (failing.empty() || failing.size() != className.size()) {
        return false;
    }
    for (size_t index = 0; index < failing.size(); ++index) {
        if (std::tolower(static_cast<unsigned char>(failing[index])) !=
            std::tolower(static_cast<unsigned char>(className[index]))) {
            return false;
        }
    }
    failing.clear();
    return true;
}

void SendParentNotify(HWND child, UINT event) {
    Window* window = LookupWindow(child);
    while (window != nullptr && window->parent != nullptr &&
           (window->exStyle & WS_EX_NOPARENTNOTIFY) == 0) {
        HWND parent = window->parent;
        WORD id = static_cast<WORD>(LookupWindow(child)->id);
        SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, id),
                     reinterpret_cast<LPARAM>(child));
        window = LookupWindow(parent);
        if (LookupWindow(child) == nullptr) {
            return;
        }
    }
}

// Removes the record after its last message. Everything that refers to the handle goes with it.
void FreeWindow(HWND handle) {
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    ReleaseAllWindowDCs(handle);
    MessageQueue::Instance().ForgetWindow(handle);
    if (window->parent != nullptr) {
        if (Window* parent = LookupWindow(window->parent)) {
            std::erase(parent->children, handle);
        }
    } else {
        TopLevelDisplay::Instance().Destroy(*window);
    }
    window->windowClass->windowCount--;
    WindowTable::Instance().Remove(handle);
}

void SendDestroy(HWND handle) {
    SendMessageA(handle, WM_DESTROY, 0, 0);
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    std::vector<HWND> children = window->children;
    for (HWND child : children) {
        if (Window* record = LookupWindow(child)) {
            record->destroying = true;
            SendDestroy(child);
        }
    }
}

void SendNcDestroy(HWND handle) {
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    std::vector<HWND> children = window->children;
    for (HWND child : children) {
        SendNcDestroy(child);
    }
    SendMessageA(handle, WM_NCDESTROY, 0, 0);
    FreeWindow(handle);
}

// A creation refused by a hook or by WM_NCCREATE / WM_CREATE: the window goes away quietly.
HWND AbandonCreation(HWND handle, bool sendDestroy) {
    if (LookupWindow(handle) != nullptr) {
        if (sendDestroy) {
            SendDestroy(handle);
        }
        SendNcDestroy(handle);
    }
    return nullptr;
}

}  // namespace

void SendInitialSizeAndMove(HWND handle) {
    Window* window = LookupWindow(handle);
    if (window == nullptr || window->sizeAndMoveSent) {
        return;
    }
    window->sizeAndMoveSent = true;
    RECT client = window->clientRect;
    SendMessageA(handle, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(client.right - client.left, client.bottom - client.top));
    if ((window = LookupWindow(handle)) != nullptr) {
        SendMessageA(handle, WM_MOVE, 0,
                     MAKELPARAM(window->windowRect.left + window->clientRect.left,
                                window->windowRect.top + window->clientRect.top));
    }
}

size_t LiveWindowCount() {
    return WindowTable::Instance().Count();
}

void FailNextCreation(const char* className) {
    FailingClass() = className != nullptr ? className : "";
}

}  // namespace layer::user

using namespace layer::user;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parentHandle, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    std::shared_ptr<WindowClass> windowClass = FindClass(className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    HWND parent = nullptr;
    HWND owner = nullptr;
    if (parentHandle != nullptr && parentHandle != HWND_MESSAGE) {
        if (LookupWindowOrFail(parentHandle) == nullptr) {
            return nullptr;
        }
        if (style & WS_CHILD) {
            parent = parentHandle;
        } else {
            owner = RootOf(parentHandle)->handle;
        }
    } else if (style & WS_CHILD) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (layer::host::Current() == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (ConsumeInjectedFailure(windowClass->name)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }

    // The creation structure and the creation hook see the style as asked; the system's own
    // additions take effect from WM_NCCREATE on.
    const DWORD requestedStyle = style;
    if (parent == nullptr) {
        // Overlapped top-level windows always clip their siblings and carry a caption.
        style |= WS_CLIPSIBLINGS;
        if ((style & WS_POPUP) == 0) {
            style |= WS_CAPTION;
        }
        SIZE screen = layer::host::Current()->ScreenSize();
        if (x == CW_USEDEFAULT) {
            x = 0;
            y = 0;
        }
        if (width == CW_USEDEFAULT) {
            width = screen.cx * 3 / 4;
            height = screen.cy * 3 / 4;
        }
    } else {
        if (x == CW_USEDEFAULT) {
            x = y = 0;
        }
        if (width == CW_USEDEFAULT) {
            width = height = 0;
        }
    }
    if ((style & (WS_DLGFRAME | WS_THICKFRAME)) || (exStyle & WS_EX_DLGMODALFRAME)) {
        // Windows with a raised frame carry the extended style that says so.
        exStyle |= WS_EX_WINDOWEDGE;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);

    Window& record = WindowTable::Instance().Add();
    HWND handle = record.handle;
    record.windowClass = windowClass;
    windowClass->windowCount++;
    record.style = requestedStyle & ~WS_VISIBLE;
    record.exStyle = exStyle;
    record.procedure = windowClass->procedure;
    record.instance = instance;
    record.extraBytes.assign(static_cast<size_t>(windowClass->windowExtraBytes), 0);
    record.parent = parent;
    record.owner = owner;
    record.threadId = GetCurrentThreadId();
    record.id = parent != nullptr ? reinterpret_cast<LONG_PTR>(menu) : 0;
    record.windowRect = RECT{x, y, x + width, y + height};
    record.clientRect = RECT{0, 0, width, height};
    if (parent != nullptr) {
        // A new child goes below its siblings, so that creation order is the order of the tab
        // stops; a new top-level window goes on top.
        LookupWindow(parent)->children.push_back(handle);
    } else {
        PlaceTopLevel(record, HWND_TOP);
        TopLevelDisplay::Instance().Update(record);
    }

    CREATESTRUCTA create{};
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parentHandle;
    create.cx = width;
    create.cy = height;
    create.x = x;
    create.y = y;
    create.style = static_cast<LONG>(requestedStyle);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;

    CBT_CREATEWNDA cbt{&create, HWND_TOP};
    if (CallCbtHooks(HCBT_CREATEWND, reinterpret_cast<WPARAM>(handle),
                     reinterpret_cast<LPARAM>(&cbt)) != 0) {
        return AbandonCreation(handle, false);
    }
    if (Window* window = LookupWindow(handle)) {
        window->style |= (style & ~requestedStyle) & ~WS_VISIBLE;
    } else {
        return nullptr;
    }
    if (parent == nullptr) {
        MINMAXINFO limits{};
        SIZE screen = layer::host::Current()->ScreenSize();
        limits.ptMaxSize = POINT{screen.cx, screen.cy};
        limits.ptMaxTrackSize = POINT{screen.cx, screen.cy};
        limits.ptMinTrackSize =
            POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        SendMessageA(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    }
    if (LookupWindow(handle) == nullptr ||
        SendMessageA(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0) {
        return AbandonCreation(handle, false);
    }
    if (Window* window = LookupWindow(handle)) {
        window->created = true;
        RECT rect = window->windowRect;
        SendMessageA(handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rect));
        if ((window = LookupWindow(handle)) != nullptr) {
            window->clientRect =
                RECT{rect.left - window->windowRect.left, rect.top - window->windowRect.top,
                     rect.right - window->windowRect.left, rect.bottom - window->windowRect.top};
            if (window->clientRect.right < window->clientRect.left) {
                window->clientRect.right = window->clientRect.left;
            }
            if (window->clientRect.bottom < window->clientRect.top) {
                window->clientRect.bottom = window->clientRect.top;
            }
        }
    }
    if (LookupWindow(handle) == nullptr ||
        SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        return AbandonCreation(handle, true);
    }
    if (parent != nullptr) {
        SendInitialSizeAndMove(handle);
    }
    if (LookupWindow(handle) != nullptr && parent != nullptr) {
        SendParentNotify(handle, WM_CREATE);
    }
    if (LookupWindow(handle) != nullptr && (style & WS_VISIBLE)) {
        ShowWindow(handle, SW_SHOW);
    }
    return LookupWindow(handle) != nullptr ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND handle) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (window->destroying) {
        return TRUE;
    }
    if (CallCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(handle), 0) != 0) {
        return FALSE;
    }
    if ((window = LookupWindow(handle)) == nullptr || window->destroying) {
        return TRUE;
    }
    window->destroying = true;

    // Windows it owns go first.
    if (window->parent == nullptr) {
        std::vector<HWND> owned;
        for (HWND top : WindowTable::Instance().TopLevelOrder()) {
            Window* other = LookupWindow(top);
            if (other != nullptr && other->owner == handle) {
                owned.push_back(top);
            }
        }
        for (HWND top : owned) {
            DestroyWindow(top);
        }
    }
    if ((window = LookupWindow(handle)) != nullptr && (window->style & WS_VISIBLE)) {
        SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LeaveWindow(handle, Activation::MovesOn);
    if ((window = LookupWindow(handle)) != nullptr && window->parent != nullptr) {
        SendParentNotify(handle, WM_DESTROY);
    }
    if (LookupWindow(handle) != nullptr) {
        SendDestroy(handle);
    }
    SendNcDestroy(handle);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND handle) {
    return LookupWindow(handle) != nullptr ? TRUE : FALSE;
}
