// Stage one of head-count parsing: folds the GBK full-width forms of ASCII characters, and a few
// look-alike symbols, to their single-byte forms, so that the decimal reader sees ASCII.
#include <cstdint>
#include <string>

#include "draw/draw.h"

namespace draw {
namespace {

// The single byte that a two-byte character folds to, or 0 when it is kept as it is.
char FoldedByte(uint8_t lead, uint8_t trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        // The full-width block mirrors printable ASCII 0x21..0x7E at 0xA3A1..0xA3FE.
        return static_cast<char>(trail - 0x80);
    }
    if (lead == 0xA1) {
        switch (trail) {
            case 0xA1:  // ideographic space
                return ' ';
            case 0xAB:  // wave dash
                return '~';
            case 0xEE:  // white star
            case 0xEF:  // black star
                return '*';
            default:
                break;
        }
    }
    return 0;
}

}  // namespace

std::string NormalizeFullWidth(const char* text) {
    std::string folded;
    if (text == nullptr) {
        return folded;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text);
    for (size_t index = 0; bytes[index] != 0; ++index) {
        const uint8_t lead = bytes[index];
        if (lead < 0x80) {
            folded.push_back(static_cast<char>(lead));
            continue;
        }
        // A byte of 0x80 or more starts a two-byte character whatever follows it; a lead byte
        // cut off by the end of the text is dropped.
        const uint8_t trail = bytes[index + 1];
        if (trail == 0) {
            break;
        }
        if (const char single = FoldedByte(lead, trail); single != 0) {
            folded.push_back(single);
        } else {
            folded.push_back(static_cast<char>(lead));
            folded.push_back(static_cast<char>(trail));
        }
        ++index;
    }
    return folded;
}

}  // namespace draw
