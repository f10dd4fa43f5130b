// The desktop's settings that X11 desktops publish for their programs (the XSETTINGS protocol):
// here, the double-click time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace layer::host {

// The integer setting of that name in the bytes of an _XSETTINGS_SETTINGS property; nothing when
// it is missing, not an integer, or the data is malformed (it comes from another program, so every
// length is checked).
std::optional<int32_t> FindXSettingsInteger(std::span<const uint8_t> data, std::string_view name);

// Net/DoubleClickTime of the desktop on the display in DISPLAY, in milliseconds; nothing when the
// display has no settings manager or the setting is not there.
std::optional<int32_t> DesktopDoubleClickTime();

}  // namespace layer::host
