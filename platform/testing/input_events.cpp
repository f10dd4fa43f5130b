// Building the input events of a person's actions, with the scan codes of a standard keyboard.
#include "platform/testing/input_events.h"

#include <cstring>

namespace layer::testing {

namespace {

// Virtual-key codes as Win32 documents them; the driver needs them before any header declares
// them for the program.
constexpr UINT kVkShift = 0x10;
constexpr UINT kVkControl = 0x11;
constexpr UINT kVkMenu = 0x12;

struct ScanCodeEntry {
    UINT virtualKey;
    UINT scanCode;
    bool extended;
};

// Keys outside the letter and digit rows.
constexpr ScanCodeEntry kScanCodes[] = {
    {0x08, 0x0E, false},  // Backspace
    {0x09, 0x0F, false},  // Tab
    {0x0D, 0x1C, false},  // Enter
    {kVkShift, 0x2A, false}, {kVkControl, 0x1D, false},
    {kVkMenu, 0x38, false},  {0x14, 0x3A, false},  // Caps Lock
    {0x1B, 0x01, false},                           // Esc
    {0x20, 0x39, false},                           // Space
    {0x21, 0x49, true},                            // Page Up
    {0x22, 0x51, true},                            // Page Down
    {0x23, 0x4F, true},                            // End
    {0x24, 0x47, true},                            // Home
    {0x25, 0x4B, true},                            // Left
    {0x26, 0x48, true},                            // Up
    {0x27, 0x4D, true},                            // Right
    {0x28, 0x50, true},                            // Down
    {0x2D, 0x52, true},                            // Insert
    {0x2E, 0x53, true},                            // Delete
    {0x7A, 0x57, false},                           // F11
    {0x7B, 0x58, false},                           // F12
};

// The letter rows of a standard keyboard, each with the scan code of its first key.
struct LetterRow {
    const char* letters;
    UINT firstScanCode;
};
constexpr LetterRow kLetterRows[] = {{"QWERTYUIOP", 0x10}, {"ASDFGHJKL", 0x1E}, {"ZXCVBNM", 0x2C}};

}  // namespace

KeyCode KeyCodeOf(UINT virtualKey) {
    if (virtualKey >= '1' && virtualKey <= '9') {
        return KeyCode{0x02 + (virtualKey - '1'), false};
    }
    if (virtualKey == '0') {
        return KeyCode{0x0B, false};
    }
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        for (const LetterRow& row : kLetterRows) {
            if (const char* at = std::strchr(row.letters, static_cast<int>(virtualKey))) {
                return KeyCode{row.firstScanCode + static_cast<UINT>(at - row.letters), false};
            }
        }
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x79) {  // F1 to F10
        return KeyCode{0x3B + (virtualKey - 0x70), false};
    }
    for (const ScanCodeEntry& entry : kScanCodes) {
        if (entry.virtualKey == virtualKey) {
            return KeyCode{entry.scanCode, entry.extended};
        }
    }
    return KeyCode{};
}

host::InputEvent MouseMoveEvent(POINT point) {
    host::InputEvent event;
    event.kind = host::InputEvent::Kind::MouseMove;
    event.point = point;
    return event;
}

host::InputEvent ButtonEvent(host::InputEvent::Kind kind, POINT point, MouseButton button) {
    host::InputEvent event;
    event.kind = kind;
    event.point = point;
    event.button = static_cast<int>(button);
    return event;
}

host::InputEvent KeyEvent(host::InputEvent::Kind kind, UINT virtualKey) {
    const KeyCode code = KeyCodeOf(virtualKey);
    host::InputEvent event;
    event.kind = kind;
    event.virtualKey = virtualKey;
    event.scanCode = code.scanCode;
    event.extended = code.extended;
    return event;
}

host::InputEvent TextEvent(std::string utf8) {
    host::InputEvent event;
    event.kind = host::InputEvent::Kind::Text;
    event.text = std::move(utf8);
    return event;
}

std::vector<host::InputEvent> KeyPressEvents(UINT virtualKey, unsigned modifiers) {
    std::vector<UINT> held;
    if ((modifiers & kCtrl) != 0) {
        held.push_back(kVkControl);
    }
    if ((modifiers & kShift) != 0) {
        held.push_back(kVkShift);
    }
    if ((modifiers & kAlt) != 0) {
        held.push_back(kVkMenu);
    }
    std::vector<host::InputEvent> events;
    for (UINT modifier : held) {
        events.push_back(KeyEvent(host::InputEvent::Kind::KeyDown, modifier));
    }
    events.push_back(KeyEvent(host::InputEvent::Kind::KeyDown, virtualKey));
    events.push_back(KeyEvent(host::InputEvent::Kind::KeyUp, virtualKey));
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) {
        events.push_back(KeyEvent(host::InputEvent::Kind::KeyUp, *modifier));
    }
    return events;
}

}  // namespace layer::testing
