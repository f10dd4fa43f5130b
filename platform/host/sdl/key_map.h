// Translation of SDL keys into the virtual-key codes and PC scan codes that Win32 keyboard
// messages carry.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/api/types.h"

namespace layer::host {

// One key as Win32 names it: the virtual-key code for wParam, and the set-1 scan code and the
// extended-key flag that go into bits 16-23 and 24 of lParam.
struct KeyCode {
    UINT virtualKey = 0;
    UINT scanCode = 0;
    bool extended = false;

    bool operator==(const KeyCode&) const = default;
};

// The key that SDL reports by its physical scancode and its layout keycode. Letters, digits and
// punctuation follow the keyboard layout (the keycode), everything else the physical key. The
// keypad gives digit keys with Num Lock on and navigation keys with it off, as a PC keyboard does.
// Keys without a Win32 counterpart give nothing.
std::optional<KeyCode> KeyFromSdl(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock);

}  // namespace layer::host
