// The host input events that one action of a person produces: a click, a key with modifiers,
// typed text. The scenario driver queues them on the headless host.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host.h"

namespace layer::testing {

enum class MouseButton { Left = 1, Right = 2, Middle = 3 };

// Modifier keys held around a key press; combine them with |.
enum Modifiers : unsigned {
    kNoModifiers = 0,
    kShift = 1u << 0,
    kCtrl = 1u << 1,
    kAlt = 1u << 2,
};

struct KeyCode {
    UINT scanCode = 0;
    bool extended = false;
};

// The keyboard scan code (set 1) that a standard keyboard reports for the virtual key, and
// whether the key is one of the extended ones; 0 for keys it does not know.
KeyCode KeyCodeOf(UINT virtualKey);

host::InputEvent MouseMoveEvent(POINT point);
host::InputEvent ButtonEvent(host::InputEvent::Kind kind, POINT point, MouseButton button);
host::InputEvent KeyEvent(host::InputEvent::Kind kind, UINT virtualKey);
host::InputEvent TextEvent(std::string utf8);

// The modifier key-downs (Ctrl, Shift, Alt), the key's down and up, then the modifier key-ups in
// the opposite order.
std::vector<host::InputEvent> KeyPressEvents(UINT virtualKey, unsigned modifiers);

}  // namespace layer::testing
