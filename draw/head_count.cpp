// The head count: the whole parser, and its last stage, which truncates the decimal value to
// 64 bits and keeps the low 32, reading the double's bits instead of converting on the FPU.
#include <bit>
#include <cstdint>

#include "draw/draw.h"

namespace draw {
namespace {

// What an out-of-range conversion to a signed 64-bit integer yields: the smallest value.
constexpr uint64_t kIndefiniteInteger = uint64_t{1} << 63;

// The value truncated toward zero as a 64-bit two's-complement pattern.
uint64_t TruncateToInt64Bits(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) {
        return kIndefiniteInteger;  // infinity or not a number
    }
    // The value is significand × 2^shift, with the implicit leading bit on normal numbers.
    const int shift = biased - 1075;
    if (biased < 1023) {
        return 0;  // below one in magnitude, subnormals included
    }
    const uint64_t significand = fraction | (uint64_t{1} << 52);
    if (shift >= 11) {
        // 2^63 or more in magnitude: only -2^63 itself fits, and it has the same pattern.
        return kIndefiniteInteger;
    }
    const uint64_t magnitude = shift >= 0 ? significand << shift : significand >> -shift;
    return negative ? ~magnitude + 1 : magnitude;
}

}  // namespace

int32_t TruncateToBound(double value) {
    return static_cast<int32_t>(static_cast<uint32_t>(TruncateToInt64Bits(value)));
}

int32_t ParseHeadCount(const char* text) {
    const std::string folded = NormalizeFullWidth(text);
    return TruncateToBound(ReadDecimal(folded.c_str()));
}

}  // namespace draw
