// DefWindowProcA's handling of the frame: presses on the caption and its buttons, the system
// commands, and the keys that reach the system menu and the close command.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

// WM_SYSCOMMAND's command for opening the system menu by the mouse.
constexpr WPARAM kMouseMenuCommand = 0xF090;

LRESULT FrameLeftButtonDown(HWND window, WPARAM hit, LPARAM screenPoint);
LRESULT FrameLeftDoubleClick(HWND window, WPARAM hit, LPARAM screenPoint);
LRESULT FrameRightButtonUp(HWND window, WPARAM hit, LPARAM screenPoint);
// The default WM_SYSCOMMAND after the CBT hooks let it through.
LRESULT FrameSystemCommand(HWND window, WPARAM command, LPARAM lParam);
// Alt+F4 closes the top-level window, Alt+Space opens its system menu.
LRESULT FrameSystemKeyDown(HWND window, WPARAM virtualKey, LPARAM lParam);

}  // namespace layer::user
