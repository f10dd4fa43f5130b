// Code page 936 (GBK): the layer's A functions take and return GBK bytes; these conversions are
// the only way in and out of it (glyph lookup, typed text, the clipboard, window titles).
#pragma once

#include <string>
#include <string_view>

namespace layer::text {

// True when the byte starts a double-byte GBK character (0x81..0xFE).
bool IsLeadByte(unsigned char byte);

// GBK bytes to UTF-8. A byte sequence that does not convert becomes U+FFFD, one per bad byte,
// so that nothing is dropped or shifted.
std::string Utf8FromAnsi(std::string_view ansi);

// UTF-8 to GBK bytes. A character without a GBK form is left out; the rest is kept intact.
std::string AnsiFromUtf8(std::string_view utf8);

}  // namespace layer::text
