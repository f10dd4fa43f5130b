// Registration of the program's own window classes.
#include "window/window_classes.h"

namespace quorvane {

const char* const kMainWindowClass = "QuorvaneMainWindow";
const char* const kLabelClass = "QuorvaneLabel";
const char* const kTransparentLabelClass = "QuorvaneTransparentLabel";

bool RegisterFormClass(const char* name, WNDPROC procedure, HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    if (::GetClassInfoExA(instance, name, &windowClass)) {
        return true;
    }
    windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = kFormClassStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = name;
    return ::RegisterClassExA(&windowClass) != 0;
}

void* CreationParameter(LPARAM lParam) {
    return reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
}

}  // namespace quorvane
