// The key table: each physical SDL key with its US-layout virtual-key code and its PC scan code.
#include "platform/host/sdl/key_map.h"

#include <array>

namespace layer::host {

namespace {

struct PhysicalKey {
    SDL_Scancode scancode;
    UINT virtualKey;
    UINT scanCode;
    bool extended;
};

// Virtual-key codes of the OEM punctuation keys, by the character of the US key.
constexpr UINT kVkOem1 = 0xBA;       // ; :
constexpr UINT kVkOemPlus = 0xBB;    // = +
constexpr UINT kVkOemComma = 0xBC;   // , <
constexpr UINT kVkOemMinus = 0xBD;   // - _
constexpr UINT kVkOemPeriod = 0xBE;  // . >
constexpr UINT kVkOem2 = 0xBF;       // / ?
constexpr UINT kVkOem3 = 0xC0;       // ` ~
constexpr UINT kVkOem4 = 0xDB;       // [ {
constexpr UINT kVkOem5 = 0xDC;       // \ |
constexpr UINT kVkOem6 = 0xDD;       // ] }
constexpr UINT kVkOem7 = 0xDE;       // ' "
constexpr UINT kVkOem102 = 0xE2;     // the extra key beside left Shift on ISO keyboards

// Every key but the letters, the digit row and the keypad's digits and point, which follow
// below. The modifier keys give the generic VK_SHIFT, VK_CONTROL and VK_MENU that keyboard
// messages carry; the scan code and the extended flag tell left from right.
constexpr PhysicalKey kKeys[] = {
    {SDL_SCANCODE_ESCAPE, 0x1B, 0x01, false},
    {SDL_SCANCODE_MINUS, kVkOemMinus, 0x0C, false},
    {SDL_SCANCODE_EQUALS, kVkOemPlus, 0x0D, false},
    {SDL_SCANCODE_BACKSPACE, 0x08, 0x0E, false},
    {SDL_SCANCODE_TAB, 0x09, 0x0F, false},
    {SDL_SCANCODE_LEFTBRACKET, kVkOem4, 0x1A, false},
    {SDL_SCANCODE_RIGHTBRACKET, kVkOem6, 0x1B, false},
    {SDL_SCANCODE_RETURN, 0x0D, 0x1C, false},
    {SDL_SCANCODE_LCTRL, 0x11, 0x1D, false},
    {SDL_SCANCODE_SEMICOLON, kVkOem1, 0x27, false},
    {SDL_SCANCODE_APOSTROPHE, kVkOem7, 0x28, false},
    {SDL_SCANCODE_GRAVE, kVkOem3, 0x29, false},
    {SDL_SCANCODE_LSHIFT, 0x10, 0x2A, false},
    {SDL_SCANCODE_BACKSLASH, kVkOem5, 0x2B, false},
    {SDL_SCANCODE_NONUSHASH, kVkOem5, 0x2B, false},
    {SDL_SCANCODE_COMMA, kVkOemComma, 0x33, false},
    {SDL_SCANCODE_PERIOD, kVkOemPeriod, 0x34, false},
    {SDL_SCANCODE_SLASH, kVkOem2, 0x35, false},
    {SDL_SCANCODE_RSHIFT, 0x10, 0x36, false},
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A, 0x37, false},
    {SDL_SCANCODE_LALT, 0x12, 0x38, false},
    {SDL_SCANCODE_SPACE, 0x20, 0x39, false},
    {SDL_SCANCODE_CAPSLOCK, 0x14, 0x3A, false},
    {SDL_SCANCODE_F1, 0x70, 0x3B, false},
    {SDL_SCANCODE_F2, 0x71, 0x3C, false},
    {SDL_SCANCODE_F3, 0x72, 0x3D, false},
    {SDL_SCANCODE_F4, 0x73, 0x3E, false},
    {SDL_SCANCODE_F5, 0x74, 0x3F, false},
    {SDL_SCANCODE_F6, 0x75, 0x40, false},
    {SDL_SCANCODE_F7, 0x76, 0x41, false},
    {SDL_SCANCODE_F8, 0x77, 0x42, false},
    {SDL_SCANCODE_F9, 0x78, 0x43, false},
    {SDL_SCANCODE_F10, 0x79, 0x44, false},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90, 0x45, true},
    {SDL_SCANCODE_SCROLLLOCK, 0x91, 0x46, false},
    {SDL_SCANCODE_KP_MINUS, 0x6D, 0x4A, false},
    {SDL_SCANCODE_KP_PLUS, 0x6B, 0x4E, false},
    {SDL_SCANCODE_NONUSBACKSLASH, kVkOem102, 0x56, false},
    {SDL_SCANCODE_F11, 0x7A, 0x57, false},
    {SDL_SCANCODE_F12, 0x7B, 0x58, false},
    {SDL_SCANCODE_KP_ENTER, 0x0D, 0x1C, true},
    {SDL_SCANCODE_RCTRL, 0x11, 0x1D, true},
    {SDL_SCANCODE_KP_DIVIDE, 0x6F, 0x35, true},
    {SDL_SCANCODE_PRINTSCREEN, 0x2C, 0x37, true},
    {SDL_SCANCODE_RALT, 0x12, 0x38, true},
    {SDL_SCANCODE_PAUSE, 0x13, 0x45, false},
    {SDL_SCANCODE_HOME, 0x24, 0x47, true},
    {SDL_SCANCODE_UP, 0x26, 0x48, true},
    {SDL_SCANCODE_PAGEUP, 0x21, 0x49, true},
    {SDL_SCANCODE_LEFT, 0x25, 0x4B, true},
    {SDL_SCANCODE_RIGHT, 0x27, 0x4D, true},
    {SDL_SCANCODE_END, 0x23, 0x4F, true},
    {SDL_SCANCODE_DOWN, 0x28, 0x50, true},
    {SDL_SCANCODE_PAGEDOWN, 0x22, 0x51, true},
    {SDL_SCANCODE_INSERT, 0x2D, 0x52, true},
    {SDL_SCANCODE_DELETE, 0x2E, 0x53, true},
    {SDL_SCANCODE_LGUI, 0x5B, 0x5B, true},
    {SDL_SCANCODE_RGUI, 0x5C, 0x5C, true},
    {SDL_SCANCODE_APPLICATION, 0x5D, 0x5D, true},
};

// Scan codes of the letters A..Z on a PC keyboard (the rows are not in alphabetical order).
constexpr std::array<UINT, 26> kLetterScanCodes = {
    0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
    0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C,
};

// The keypad's digits and point: scan code, the key with Num Lock on, and with it off.
struct KeypadKey {
    SDL_Scancode scancode;
    UINT scanCode;
    UINT withNumLock;
    UINT withoutNumLock;
};

constexpr KeypadKey kKeypad[] = {
    {SDL_SCANCODE_KP_7, 0x47, 0x67, 0x24},       // Home
    {SDL_SCANCODE_KP_8, 0x48, 0x68, 0x26},       // Up
    {SDL_SCANCODE_KP_9, 0x49, 0x69, 0x21},       // Page Up
    {SDL_SCANCODE_KP_4, 0x4B, 0x64, 0x25},       // Left
    {SDL_SCANCODE_KP_5, 0x4C, 0x65, 0x0C},       // Clear
    {SDL_SCANCODE_KP_6, 0x4D, 0x66, 0x27},       // Right
    {SDL_SCANCODE_KP_1, 0x4F, 0x61, 0x23},       // End
    {SDL_SCANCODE_KP_2, 0x50, 0x62, 0x28},       // Down
    {SDL_SCANCODE_KP_3, 0x51, 0x63, 0x22},       // Page Down
    {SDL_SCANCODE_KP_0, 0x52, 0x60, 0x2D},       // Insert
    {SDL_SCANCODE_KP_PERIOD, 0x53, 0x6E, 0x2E},  // Delete
};

// The physical key on its own: its US-layout virtual key and its scan code.
std::optional<KeyCode> PhysicalKeyCode(SDL_Scancode scancode, bool numLock) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        int index = scancode - SDL_SCANCODE_A;
        return KeyCode{static_cast<UINT>('A' + index), kLetterScanCodes[index], false};
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_0) {
        // SDL orders the digit row 1..9, 0 like the keyboard does, and so do the scan codes.
        int index = scancode - SDL_SCANCODE_1;
        UINT digit = index == 9 ? '0' : static_cast<UINT>('1' + index);
        return KeyCode{digit, static_cast<UINT>(0x02 + index), false};
    }
    for (const KeypadKey& key : kKeypad) {
        if (key.scancode == scancode) {
            return KeyCode{numLock ? key.withNumLock : key.withoutNumLock, key.scanCode, false};
        }
    }
    for (const PhysicalKey& key : kKeys) {
        if (key.scancode == scancode) {
            return KeyCode{key.virtualKey, key.scanCode, key.extended};
        }
    }
    return std::nullopt;
}

// The virtual key that the layout gives a key by the character it types, where that character
// has one: letters, digits and the OEM punctuation.
std::optional<UINT> LayoutVirtualKey(SDL_Keycode keycode) {
    if (keycode >= 'a' && keycode <= 'z') {
        return static_cast<UINT>(keycode - 'a' + 'A');
    }
    if (keycode >= '0' && keycode <= '9') {
        return static_cast<UINT>(keycode);
    }
    switch (keycode) {
        case ';':
            return kVkOem1;
        case '=':
            return kVkOemPlus;
        case ',':
            return kVkOemComma;
        case '-':
            return kVkOemMinus;
        case '.':
            return kVkOemPeriod;
        case '/':
            return kVkOem2;
        case '`':
            return kVkOem3;
        case '[':
            return kVkOem4;
        case '\\':
            return kVkOem5;
        case ']':
            return kVkOem6;
        case '\'':
            return kVkOem7;
        default:
            return std::nullopt;
    }
}

// True for the keys whose meaning follows the layout: the letter block, the digit row and the
// punctuation around them. The keypad, the function keys and the controls never do.
bool FollowsLayout(SDL_Scancode scancode) {
    return (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_0) ||
           (scancode >= SDL_SCANCODE_MINUS && scancode <= SDL_SCANCODE_SLASH) ||
           scancode == SDL_SCANCODE_NONUSBACKSLASH;
}

}  // namespace

std::optional<KeyCode> KeyFromSdl(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock) {
    std::optional<KeyCode> key = PhysicalKeyCode(scancode, numLock);
    if (!key) {
        return std::nullopt;
    }
    if (FollowsLayout(scancode)) {
        if (std::optional<UINT> layoutKey = LayoutVirtualKey(keycode)) {
            key->virtualKey = *layoutKey;
        }
    }
    return key;
}

}  // namespace layer::host
