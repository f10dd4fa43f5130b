// Stage two of head-count parsing: turns the scanned decimal number into the nearest double,
// ties to even, using only integer arithmetic, so the result depends neither on the locale nor
// on the floating-point unit's rounding mode or precision.
#include <bit>
#include <cstdint>
#include <limits>

#include "draw/big_unsigned.h"
#include "draw/decimal_scanner.h"
#include "draw/draw.h"
#include "draw/invariant.h"

namespace draw {
namespace {

constexpr int kSignificandBits = 53;
constexpr int64_t kSmallestExponent = -1074;  // the weight of the lowest bit of the tiniest double
constexpr uint64_t kExponentBias = 1023;
constexpr uint64_t kMaxBiasedExponent = 2047;
constexpr uint64_t kFractionMask = (uint64_t{1} << 52) - 1;
constexpr uint64_t kSignBit = uint64_t{1} << 63;

// A double with a magnitude of 10^309 or more overflows and one below 10^-325 rounds to zero,
// so a number whose digit count plus decimal exponent lies outside these bounds needs no
// arithmetic, and the exact conversion below never works on more than about 1200 bits.
constexpr int64_t kOverflowingDecimalMagnitude = 310;
constexpr int64_t kVanishingDecimalMagnitude = -325;

double WithSign(uint64_t bits, bool negative) {
    return std::bit_cast<double>(negative ? bits | kSignBit : bits);
}

// Rounds quotient × 2^binaryExponent to the nearest double, ties to even. When inexact is set,
// the true value lies strictly above that product, by less than 2^binaryExponent.
double RoundToDouble(uint64_t quotient, int64_t binaryExponent, bool inexact, bool negative) {
    if (quotient == 0) {
        return WithSign(0, negative);
    }
    const int64_t length = std::bit_width(quotient);
    int64_t lowestKeptBit = length - 1 + binaryExponent - (kSignificandBits - 1);
    if (lowestKeptBit < kSmallestExponent) {
        lowestKeptBit = kSmallestExponent;
    }
    const int64_t dropped = lowestKeptBit - binaryExponent;

    uint64_t kept = 0;
    if (dropped <= 0) {
        // Every bit fits: the value is exact, and the quotient carries no hidden remainder.
        DRAW_CHECK(!inexact);
        kept = quotient << -dropped;
    } else {
        kept = dropped >= 64 ? 0 : quotient >> dropped;
        const bool halfBit = dropped <= 64 && ((quotient >> (dropped - 1)) & 1) != 0;
        const uint64_t belowHalfMask =
            dropped - 1 >= 64 ? ~uint64_t{0} : (uint64_t{1} << (dropped - 1)) - 1;
        const bool belowHalf = (quotient & belowHalfMask) != 0 || inexact;
        if (halfBit && (belowHalf || (kept & 1) != 0)) {
            ++kept;
            if (kept == uint64_t{1} << kSignificandBits) {
                kept >>= 1;
                ++lowestKeptBit;
            }
        }
    }

    if (kept < uint64_t{1} << (kSignificandBits - 1)) {
        // A subnormal double, or zero: the exponent field is zero.
        DRAW_CHECK(lowestKeptBit == kSmallestExponent);
        return WithSign(kept, negative);
    }
    const int64_t biased = lowestKeptBit + (kSignificandBits - 1) + int64_t{kExponentBias};
    if (biased >= int64_t{kMaxBiasedExponent}) {
        return WithSign(kMaxBiasedExponent << 52, negative);
    }
    return WithSign((static_cast<uint64_t>(biased) << 52) | (kept & kFractionMask), negative);
}

// The digits and a non-negative exponent as one 64-bit integer, when that fits.
bool FitsInUint64(const ScannedDecimal& number, uint64_t& value) {
    value = 0;
    for (int index = 0; index < number.digitCount; ++index) {
        if (value > (std::numeric_limits<uint64_t>::max() - 9) / 10) {
            return false;
        }
        value = value * 10 + number.digits[index];
    }
    for (int64_t power = 0; power < number.exponent; ++power) {
        if (value > std::numeric_limits<uint64_t>::max() / 10) {
            return false;
        }
        value *= 10;
    }
    return true;
}

// The exact conversion: numerator / denominator is scaled by a power of two so that the
// integer quotient has 55 or 56 bits, two more than a double keeps, and the remainder tells
// whether anything lies below them.
double ConvertExactly(const ScannedDecimal& number) {
    BigUnsigned numerator;
    for (int index = 0; index < number.digitCount; ++index) {
        numerator.MultiplyAdd(10, number.digits[index]);
    }
    BigUnsigned denominator(1);
    if (number.exponent >= 0) {
        numerator.MultiplyByPowerOfTen(static_cast<uint32_t>(number.exponent));
    } else {
        denominator.MultiplyByPowerOfTen(static_cast<uint32_t>(-number.exponent));
    }

    constexpr int64_t kQuotientBits = 56;
    const int64_t scale = (kQuotientBits - 1) + static_cast<int64_t>(denominator.BitLength()) -
                          static_cast<int64_t>(numerator.BitLength());
    if (scale >= 0) {
        numerator.ShiftLeft(static_cast<uint64_t>(scale));
    } else {
        denominator.ShiftLeft(static_cast<uint64_t>(-scale));
    }

    // Long division, one quotient bit at a time, from bit 55 down.
    uint64_t quotient = 0;
    denominator.ShiftLeft(kQuotientBits - 1);
    for (int64_t bit = kQuotientBits - 1; bit >= 0; --bit) {
        if (Compare(numerator, denominator) >= 0) {
            numerator.Subtract(denominator);
            quotient |= uint64_t{1} << bit;
        }
        denominator.ShiftRightOne();
    }
    DRAW_CHECK(std::bit_width(quotient) >= kQuotientBits - 1);
    return RoundToDouble(quotient, -scale, !numerator.IsZero(), number.negative);
}

}  // namespace

double ReadDecimal(const char* text) {
    const ScannedDecimal number = ScanDecimal(text);
    if (number.digitCount == 0) {
        return WithSign(0, number.negative);
    }
    const int64_t magnitude = number.digitCount + number.exponent;
    if (magnitude >= kOverflowingDecimalMagnitude) {
        return WithSign(kMaxBiasedExponent << 52, number.negative);
    }
    if (magnitude <= kVanishingDecimalMagnitude) {
        return WithSign(0, number.negative);
    }
    if (uint64_t whole = 0; number.exponent >= 0 && FitsInUint64(number, whole)) {
        return RoundToDouble(whole, 0, false, number.negative);
    }
    return ConvertExactly(number);
}

}  // namespace draw
