// The key table: virtual-key codes, scan codes and extended flags of the keys a program reads.
#include "platform/host/sdl/key_map.h"

#include <gtest/gtest.h>

#include <ostream>

namespace layer::host {

void PrintTo(const KeyCode& key, std::ostream* out) {
    *out << std::hex << "{vk 0x" << key.virtualKey << ", scan 0x" << key.scanCode
         << (key.extended ? ", extended}" : "}");
}

namespace {

struct KeyCase {
    const char* name;
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    bool numLock;
    KeyCode expected;
};

class KeyMapTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMapTest, GivesTheWin32Key) {
    const KeyCase& key = GetParam();
    std::optional<KeyCode> actual = KeyFromSdl(key.scancode, key.keycode, key.numLock);
    ASSERT_TRUE(actual.has_value()) << key.name << " gave no key";
    EXPECT_EQ(key.expected, *actual) << key.name;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    testing::Values(
        // The keys the program's shell and its edit box act on.
        KeyCase{"Backspace", SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, false, {0x08, 0x0E, false}},
        KeyCase{"Tab", SDL_SCANCODE_TAB, SDLK_TAB, false, {0x09, 0x0F, false}},
        KeyCase{"Enter", SDL_SCANCODE_RETURN, SDLK_RETURN, false, {0x0D, 0x1C, false}},
        KeyCase{"keypad Enter", SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, false, {0x0D, 0x1C, true}},
        KeyCase{"Esc", SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, false, {0x1B, 0x01, false}},
        KeyCase{"Space", SDL_SCANCODE_SPACE, SDLK_SPACE, false, {0x20, 0x39, false}},
        KeyCase{"F4", SDL_SCANCODE_F4, SDLK_F4, false, {0x73, 0x3E, false}},
        KeyCase{"F10", SDL_SCANCODE_F10, SDLK_F10, false, {0x79, 0x44, false}},
        KeyCase{"F12", SDL_SCANCODE_F12, SDLK_F12, false, {0x7B, 0x58, false}},
        // Modifiers: one virtual key each side; scan code and extended flag tell them apart.
        KeyCase{"left Shift", SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, false, {0x10, 0x2A, false}},
        KeyCase{"right Shift", SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, false, {0x10, 0x36, false}},
        KeyCase{"left Ctrl", SDL_SCANCODE_LCTRL, SDLK_LCTRL, false, {0x11, 0x1D, false}},
        KeyCase{"right Ctrl", SDL_SCANCODE_RCTRL, SDLK_RCTRL, false, {0x11, 0x1D, true}},
        KeyCase{"left Alt", SDL_SCANCODE_LALT, SDLK_LALT, false, {0x12, 0x38, false}},
        KeyCase{"right Alt", SDL_SCANCODE_RALT, SDLK_RALT, false, {0x12, 0x38, true}},
        // The navigation block is extended.
        KeyCase{"Left", SDL_SCANCODE_LEFT, SDLK_LEFT, false, {0x25, 0x4B, true}},
        KeyCase{"Up", SDL_SCANCODE_UP, SDLK_UP, false, {0x26, 0x48, true}},
        KeyCase{"Right", SDL_SCANCODE_RIGHT, SDLK_RIGHT, false, {0x27, 0x4D, true}},
        KeyCase{"Down", SDL_SCANCODE_DOWN, SDLK_DOWN, false, {0x28, 0x50, true}},
        KeyCase{"Home", SDL_SCANCODE_HOME, SDLK_HOME, false, {0x24, 0x47, true}},
        KeyCase{"End", SDL_SCANCODE_END, SDLK_END, false, {0x23, 0x4F, true}},
        KeyCase{"Delete", SDL_SCANCODE_DELETE, SDLK_DELETE, false, {0x2E, 0x53, true}},
        KeyCase{"Insert", SDL_SCANCODE_INSERT, SDLK_INSERT, false, {0x2D, 0x52, true}},
        // Letters and digits are their ASCII capitals, with the PC scan code of the key.
        KeyCase{"A", SDL_SCANCODE_A, SDLK_a, false, {0x41, 0x1E, false}},
        KeyCase{"M", SDL_SCANCODE_M, SDLK_m, false, {0x4D, 0x32, false}},
        KeyCase{"Z", SDL_SCANCODE_Z, SDLK_z, false, {0x5A, 0x2C, false}},
        KeyCase{"1", SDL_SCANCODE_1, SDLK_1, false, {0x31, 0x02, false}},
        KeyCase{"0", SDL_SCANCODE_0, SDLK_0, false, {0x30, 0x0B, false}},
        // The keypad follows Num Lock; its divide key is extended, its digits are not.
        KeyCase{"keypad 7, Num Lock on", SDL_SCANCODE_KP_7, SDLK_KP_7, true, {0x67, 0x47, false}},
        KeyCase{"keypad 7, Num Lock off", SDL_SCANCODE_KP_7, SDLK_KP_7, false, {0x24, 0x47, false}},
        KeyCase{"keypad 0, Num Lock on", SDL_SCANCODE_KP_0, SDLK_KP_0, true, {0x60, 0x52, false}},
        KeyCase{"keypad point, Num Lock off",
                SDL_SCANCODE_KP_PERIOD,
                SDLK_KP_PERIOD,
                false,
                {0x2E, 0x53, false}},
        KeyCase{"keypad divide", SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, true, {0x6F, 0x35, true}},
        KeyCase{"Num Lock", SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR, true, {0x90, 0x45, true}},
        // OEM punctuation by the US key.
        KeyCase{"semicolon", SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, false, {0xBA, 0x27, false}},
        KeyCase{"minus", SDL_SCANCODE_MINUS, SDLK_MINUS, false, {0xBD, 0x0C, false}},
        KeyCase{"slash", SDL_SCANCODE_SLASH, SDLK_SLASH, false, {0xBF, 0x35, false}},
        KeyCase{"grave", SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, false, {0xC0, 0x29, false}},
        // Other layouts: the virtual key follows the character, the scan code the position.
        KeyCase{"French A on the Q key", SDL_SCANCODE_Q, SDLK_a, false, {0x41, 0x10, false}},
        KeyCase{"German Z on the Y key", SDL_SCANCODE_Y, SDLK_z, false, {0x5A, 0x15, false}},
        KeyCase{
            "French comma on the M key", SDL_SCANCODE_M, SDLK_COMMA, false, {0xBC, 0x32, false}},
        KeyCase{"a non-ASCII letter keeps the US key",
                SDL_SCANCODE_SEMICOLON,
                0xF6,
                false,
                {0xBA, 0x27, false}}),
    [](const testing::TestParamInfo<KeyCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(KeyMap, KeysWithoutAWin32CounterpartGiveNothing) {
    EXPECT_FALSE(KeyFromSdl(SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, false).has_value());
    EXPECT_FALSE(KeyFromSdl(SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, false).has_value());
    EXPECT_FALSE(
        KeyFromSdl(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 5), 0, false).has_value());
}

TEST(KeyMap, LayoutNeverChangesKeysOutsideTheTypingBlock) {
    // A keycode that looks like a letter must not turn F1 or the keypad into that letter.
    std::optional<KeyCode> f1 = KeyFromSdl(SDL_SCANCODE_F1, 'q', false);
    ASSERT_TRUE(f1.has_value());
    EXPECT_EQ(0x70u, f1->virtualKey);
    std::optional<KeyCode> keypad = KeyFromSdl(SDL_SCANCODE_KP_1, '1', true);
    ASSERT_TRUE(keypad.has_value());
    EXPECT_EQ(0x61u, keypad->virtualKey);
}

}  // namespace
}  // namespace layer::host
