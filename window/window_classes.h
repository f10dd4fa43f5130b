// The program's own window classes (main window, label, transparent label): class styles
// CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, the arrow cursor, the hollow brush and no class icon.
#pragma once

#include "platform/win32.h"

namespace quorvane {

constexpr UINT kFormClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;

extern const char* const kMainWindowClass;
extern const char* const kLabelClass;
extern const char* const kTransparentLabelClass;

// Registers the class unless it is registered already; false when neither holds.
bool RegisterFormClass(const char* name, WNDPROC procedure, HINSTANCE instance);

// The control object passed as creation parameter, taken at WM_NCCREATE.
void* CreationParameter(LPARAM lParam);

}  // namespace quorvane
