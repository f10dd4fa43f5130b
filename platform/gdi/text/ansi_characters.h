// Splitting GBK byte strings into characters: where each character starts, how many bytes it
// takes and which Unicode code point draws it. Drawing, measuring and CharNextA share this walk.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace layer::text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character of a GBK string: its bytes and the code point its glyph comes from.
struct AnsiCharacter {
    size_t offset = 0;
    size_t length = 0;
    char32_t codePoint = 0;
};

// True when the byte may follow a lead byte in a double-byte character (0x40..0x7E, 0x80..0xFE).
bool IsTrailByte(unsigned char byte);

// The length of the character that starts at `offset`: 2 for a lead byte followed by a trail
// byte, otherwise 1 (a lone lead byte, or a lead byte before a byte that cannot trail, stands
// alone so that the next byte keeps its own meaning). 0 at or past the end.
size_t CharacterLengthAt(std::string_view ansi, size_t offset);

// The characters of a GBK string in order. Bytes that do not convert become U+FFFD, one per
// byte, so that every byte is accounted for and nothing after them moves.
std::vector<AnsiCharacter> SplitAnsiCharacters(std::string_view ansi);

}  // namespace layer::text
