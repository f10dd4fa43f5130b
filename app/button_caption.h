// A push button's caption in the XP look: broken into lines by width and placed in the face by the
// button's alignment styles.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32.h"

namespace quorvane {

// The longest line the look draws, in bytes.
constexpr size_t kMaxCaptionLineBytes = 1023;

// Breaks the text into lines: a CR LF pair ends a line, and a line also ends before the character
// (single-byte or double-byte) that would make it wider than maxWidth in the DC's font. Widths
// leave out mnemonic ampersands. Every line holds at least one character.
std::vector<std::string> BreakCaptionLines(HDC dc, std::string_view text, int maxWidth);

// The text as it shows: a single ampersand is dropped, a doubled one shows once.
std::string WithoutMnemonics(std::string_view text);

// Draws the text in the DC's font, colour and background mode, in the face rectangle, placed by
// the BS_LEFT/BS_RIGHT and BS_TOP/BS_BOTTOM bits of the style (centred where none is given).
void DrawButtonCaption(HDC dc, std::string_view text, const RECT& face, DWORD style);

}  // namespace quorvane
