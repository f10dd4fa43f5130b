// The input a person's key presses produce: scan codes of a standard keyboard and the order of
// modifier and key events.
#include "platform/testing/input_events.h"

#include <gtest/gtest.h>

namespace layer::testing {
namespace {

using Kind = host::InputEvent::Kind;

TEST(InputEvents, ScanCodesAreThoseOfAStandardKeyboard) {
    struct Case {
        UINT virtualKey;
        UINT scanCode;
        bool extended;
    };
    const Case cases[] = {
        {0x1B, 0x01, false},  // Esc
        {'1', 0x02, false},  {'9', 0x0A, false},  {'0', 0x0B, false}, {'Q', 0x10, false},
        {'P', 0x19, false},  {'A', 0x1E, false},  {'L', 0x26, false}, {'Z', 0x2C, false},
        {'M', 0x32, false},  {0x0D, 0x1C, false},  // Enter
        {0x20, 0x39, false},                       // Space
        {0x12, 0x38, false},                       // Alt
        {0x70, 0x3B, false},                       // F1
        {0x73, 0x3E, false},                       // F4
        {0x7B, 0x58, false},                       // F12
        {0x25, 0x4B, true},                        // Left
        {0x2E, 0x53, true},                        // Delete
        {0x24, 0x47, true},                        // Home
        {0xE5, 0x00, false},                       // a key with no scan code of its own
    };
    for (const Case& c : cases) {
        const KeyCode code = KeyCodeOf(c.virtualKey);
        EXPECT_EQ(code.scanCode, c.scanCode) << "virtual key 0x" << std::hex << c.virtualKey;
        EXPECT_EQ(code.extended, c.extended) << "virtual key 0x" << std::hex << c.virtualKey;
    }
}

TEST(InputEvents, ModifiersGoDownBeforeTheKeyAndUpAfterItInReverse) {
    struct Expected {
        Kind kind;
        UINT virtualKey;
    };
    struct Case {
        const char* name;
        UINT virtualKey;
        unsigned modifiers;
        std::vector<Expected> events;
    };
    const Case cases[] = {
        {"Esc", 0x1B, kNoModifiers, {{Kind::KeyDown, 0x1B}, {Kind::KeyUp, 0x1B}}},
        {"Alt+F4",
         0x73,
         kAlt,
         {{Kind::KeyDown, 0x12}, {Kind::KeyDown, 0x73}, {Kind::KeyUp, 0x73}, {Kind::KeyUp, 0x12}}},
        {"Ctrl+Shift+Alt+A",
         'A',
         kShift | kCtrl | kAlt,
         {{Kind::KeyDown, 0x11},
          {Kind::KeyDown, 0x10},
          {Kind::KeyDown, 0x12},
          {Kind::KeyDown, 'A'},
          {Kind::KeyUp, 'A'},
          {Kind::KeyUp, 0x12},
          {Kind::KeyUp, 0x10},
          {Kind::KeyUp, 0x11}}},
    };
    for (const Case& c : cases) {
        const std::vector<host::InputEvent> events = KeyPressEvents(c.virtualKey, c.modifiers);
        ASSERT_EQ(events.size(), c.events.size()) << c.name;
        for (size_t i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].kind, c.events[i].kind) << c.name << ", event " << i;
            EXPECT_EQ(events[i].virtualKey, c.events[i].virtualKey) << c.name << ", event " << i;
            EXPECT_EQ(events[i].scanCode, KeyCodeOf(c.events[i].virtualKey).scanCode)
                << c.name << ", event " << i;
            EXPECT_FALSE(events[i].repeat) << c.name << ", event " << i;
        }
    }
}

}  // namespace
}  // namespace layer::testing
