// The class table and the Win32 functions on classes.
#include "platform/user/window_class.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/api/kernel32.h"
#include "platform/user/controls/system_classes.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

struct ClassTable {
    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;
};

ClassTable& Classes() {
    static ClassTable table;
    return table;
}

bool SameName(const std::string& a, const char* b) {
    size_t length = std::char_traits<char>::length(b);
    if (a.size() != length) {
        return false;
    }
    for (size_t index = 0; index < length; ++index) {
        if (std::tolower(static_cast<unsigned char>(a[index])) !=
            std::tolower(static_cast<unsigned char>(b[index]))) {
            return false;
        }
    }
    return true;
}

ATOM Register(const WNDCLASSEXA& description) {
    if (description.lpszClassName == nullptr || description.lpfnWndProc == nullptr ||
        description.cbClsExtra < 0 || description.cbWndExtra < 0 ||
        description.cbWndExtra > 40000 || description.cbClsExtra > 40000) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (IS_INTRESOURCE(description.lpszClassName) || description.lpszClassName[0] == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (FindClass(description.lpszClassName) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = description.lpszClassName;
    windowClass->atom = Classes().nextAtom++;
    windowClass->style = description.style;
    windowClass->procedure = description.lpfnWndProc;
    windowClass->classExtraBytes = description.cbClsExtra;
    windowClass->windowExtraBytes = description.cbWndExtra;
    windowClass->instance = description.hInstance;
    windowClass->icon = description.hIcon;
    windowClass->smallIcon = description.hIconSm;
    windowClass->cursor = description.hCursor;
    windowClass->background = description.hbrBackground;
    Classes().classes.push_back(windowClass);
    return windowClass->atom;
}

}  // namespace

std::shared_ptr<WindowClass> FindClass(LPCSTR nameOrAtom) {
    if (nameOrAtom == nullptr) {
        return nullptr;
    }
    // The layer's own classes exist before any lookup; the flag is set first because their
    // registration looks names up too.
    static bool systemClassesRegistered = false;
    if (!systemClassesRegistered) {
        systemClassesRegistered = true;
        RegisterSystemClasses();
    }
    for (const auto& windowClass : Classes().classes) {
        if (IS_INTRESOURCE(nameOrAtom)) {
            if (windowClass->atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(nameOrAtom))) {
                return windowClass;
            }
        } else if (SameName(windowClass->name, nameOrAtom)) {
            return windowClass;
        }
    }
    return nullptr;
}

bool RegisterSystemClass(const WNDCLASSEXA& windowClass) {
    return FindClass(windowClass.lpszClassName) != nullptr || Register(windowClass) != 0;
}

}  // namespace layer::user

using namespace layer::user;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Register(*windowClass);
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA extended{};
    extended.cbSize = sizeof(extended);
    extended.style = windowClass->style;
    extended.lpfnWndProc = windowClass->lpfnWndProc;
    extended.cbClsExtra = windowClass->cbClsExtra;
    extended.cbWndExtra = windowClass->cbWndExtra;
    extended.hInstance = windowClass->hInstance;
    extended.hIcon = windowClass->hIcon;
    extended.hCursor = windowClass->hCursor;
    extended.hbrBackground = windowClass->hbrBackground;
    extended.lpszMenuName = windowClass->lpszMenuName;
    extended.lpszClassName = windowClass->lpszClassName;
    return Register(extended);
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
    std::shared_ptr<WindowClass> windowClass = FindClass(className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (windowClass->windowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    std::erase(Classes().classes, windowClass);
    return TRUE;
}

BOOL WINAPI GetClassInfoExA(HINSTANCE, LPCSTR className, LPWNDCLASSEXA out) {
    std::shared_ptr<WindowClass> windowClass = FindClass(className);
    if (windowClass == nullptr || out == nullptr) {
        SetLastError(windowClass == nullptr ? ERROR_CLASS_DOES_NOT_EXIST : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    out->style = windowClass->style;
    out->lpfnWndProc = windowClass->procedure;
    out->cbClsExtra = windowClass->classExtraBytes;
    out->cbWndExtra = windowClass->windowExtraBytes;
    out->hInstance = windowClass->instance;
    out->hIcon = windowClass->icon;
    out->hCursor = windowClass->cursor;
    out->hbrBackground = windowClass->background;
    out->lpszMenuName = nullptr;
    out->lpszClassName = className;
    out->hIconSm = windowClass->smallIcon;
    return windowClass->atom;
}

int WINAPI GetClassNameA(HWND handle, LPSTR name, int size) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    if (name == nullptr || size <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::string& className = window->windowClass->name;
    size_t copied = std::min(className.size(), static_cast<size_t>(size - 1));
    std::copy_n(className.data(), copied, name);
    name[copied] = '\0';
    return static_cast<int>(copied);
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND handle, int index) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    const WindowClass& windowClass = *window->windowClass;
    switch (index) {
        case GCL_STYLE:
            return windowClass.style;
        case GCLP_HCURSOR:
            return reinterpret_cast<ULONG_PTR>(windowClass.cursor);
        case GCLP_HBRBACKGROUND:
            return reinterpret_cast<ULONG_PTR>(windowClass.background);
        case GCLP_HICON:
            return reinterpret_cast<ULONG_PTR>(windowClass.icon);
        case GCLP_WNDPROC:
            return reinterpret_cast<ULONG_PTR>(windowClass.procedure);
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
}

DWORD WINAPI GetClassLongA(HWND handle, int index) {
    return static_cast<DWORD>(GetClassLongPtrA(handle, index));
}
