// Raster operations on 0x00RRGGBB pixels: the binary ones of SetROP2 (pen and destination) and the
// ternary ones of BitBlt and PatBlt (pattern, source and destination), read from their truth
// tables.
#pragma once

#include <cstdint>

#include "platform/api/types.h"

namespace layer::gdi {

constexpr uint32_t kColorBits = 0x00FFFFFFu;

// A binary raster operation R2_x is x - 1 read as a truth table indexed by (pen << 1) |
// destination.
inline uint32_t ApplyRop2(int rop2, uint32_t pen, uint32_t destination) {
    const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xFu;
    uint32_t result = 0;
    for (unsigned index = 0; index < 4; ++index) {
        if ((table >> index) & 1u) {
            const uint32_t p = (index & 2u) ? pen : ~pen;
            const uint32_t d = (index & 1u) ? destination : ~destination;
            result |= p & d;
        }
    }
    return result & kColorBits;
}

// A ternary raster operation keeps its truth table in bits 16 to 23, indexed by
// (pattern << 2) | (source << 1) | destination.
inline uint32_t ApplyRop3(DWORD rop, uint32_t pattern, uint32_t source, uint32_t destination) {
    const unsigned table = (rop >> 16) & 0xFFu;
    uint32_t result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if ((table >> index) & 1u) {
            const uint32_t p = (index & 4u) ? pattern : ~pattern;
            const uint32_t s = (index & 2u) ? source : ~source;
            const uint32_t d = (index & 1u) ? destination : ~destination;
            result |= p & s & d;
        }
    }
    return result & kColorBits;
}

// Whether a ternary operation reads the source or the pattern at all.
inline bool Rop3UsesSource(DWORD rop) {
    const unsigned table = (rop >> 16) & 0xFFu;
    return ((table >> 2) & 0x33u) != (table & 0x33u);
}
inline bool Rop3UsesPattern(DWORD rop) {
    const unsigned table = (rop >> 16) & 0xFFu;
    return ((table >> 4) & 0x0Fu) != (table & 0x0Fu);
}

}  // namespace layer::gdi
