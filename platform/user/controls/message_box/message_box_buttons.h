// The buttons of each MB_ button set: their identifiers and their captions, and which answer
// Esc and the close box give.
#pragma once

#include <optional>
#include <span>

#include "platform/win32.h"

namespace layer::user {

struct MessageBoxButton {
    int id;
    const char* caption;  // code page 936 bytes
};

// The buttons of the set in MB_TYPEMASK, left to right; empty for a value with no set.
std::span<const MessageBoxButton> MessageBoxButtons(UINT type);

// What Esc, Alt+F4 and the close box answer: IDCANCEL when the box has a Cancel button, IDOK when
// its only button is OK, nothing otherwise (those keys then do nothing).
std::optional<int> EscapeResult(UINT type);

// The caption a box without one gets: "错误", as the system's own boxes say.
const char* DefaultMessageBoxCaption();

}  // namespace layer::user
