// Registered window classes: the class table behind RegisterClassA, CreateWindowExA and
// GetClassNameA. Names compare without regard to ASCII case, as the system's do.
#pragma once

#include <memory>
#include <string>

#include "platform/api/user32.h"

namespace layer::user {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    int classExtraBytes = 0;
    int windowExtraBytes = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    int windowCount = 0;
};

// The class a name or an atom (MAKEINTATOM) names, or null.
std::shared_ptr<WindowClass> FindClass(LPCSTR nameOrAtom);
// Registers a class the layer itself provides (BUTTON, EDIT, ...); true when it is now registered.
bool RegisterSystemClass(const WNDCLASSEXA& windowClass);

}  // namespace layer::user
