// The syntax of the decimal reader: finds the longest leading decimal number in a text and
// splits it into sign, significant digits and a power of ten, without any arithmetic on doubles.
#pragma once

#include <array>
#include <cstdint>

namespace draw {

// A decimal number as written: (-1)^negative × digits × 10^exponent, where digits is the whole
// number spelt by the significant digits. No digits means the value zero.
struct ScannedDecimal {
    static constexpr int kMaxSignificantDigits = 24;
    // The largest exponent magnitude that an exponent part can carry; larger ones are capped.
    static constexpr int32_t kExponentCap = 5201;

    bool negative = false;
    std::array<uint8_t, kMaxSignificantDigits> digits{};  // each 0..9, the first one nonzero
    int digitCount = 0;
    int64_t exponent = 0;
};

// Skips leading white space and reads an optional sign, a mantissa with at most one point, and
// an optional exponent introduced by e, E, d or D. Only the first 24 significant digits are kept;
// later digits before the point still scale the value, later digits after it are ignored.
ScannedDecimal ScanDecimal(const char* text);

}  // namespace draw
