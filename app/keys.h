// The keyboard handling that the shell applies before dispatching a message for a loaded window:
// Tab and Shift+Tab over the focus stops, Enter, Esc, F1, Alt with a letter or digit, arrows.
#pragma once

#include "platform/win32.h"

namespace quorvane {

// Examines a message taken from the queue; true when it was consumed and must not be dispatched.
bool PreTranslateKeys(const MSG& message);

}  // namespace quorvane
