// Tests of the decimal reader: the syntax it accepts, the significant-digit and exponent rules,
// and correct rounding, checked bit for bit, in every rounding mode of the floating-point unit.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "draw/draw.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Doubles compared by their bits, so that -0 and +0 differ and NaN would show.
::testing::AssertionResult SameBits(const std::string& text, double actual, double expected) {
    if (std::bit_cast<uint64_t>(actual) == std::bit_cast<uint64_t>(expected)) {
        return ::testing::AssertionSuccess();
    }
    char message[200];
    std::snprintf(message, sizeof message,
                  "text \"%s\": expected %.17g (%016llx), got %.17g (%016llx)", text.c_str(),
                  expected, static_cast<unsigned long long>(std::bit_cast<uint64_t>(expected)),
                  actual, static_cast<unsigned long long>(std::bit_cast<uint64_t>(actual)));
    return ::testing::AssertionFailure() << message;
}

struct ReadCase {
    const char* text;
    double expected;
};

TEST(DecimalReader, ReadsTheLongestLeadingNumber) {
    const ReadCase cases[] = {
        {"", 0.0},
        {"   ", 0.0},
        {".", 0.0},
        {"+", 0.0},
        {"-", 0.0},
        {"-.", 0.0},
        {"e5", 0.0},
        {".e1", 0.0},
        {"x12", 0.0},
        {"5", 5.0},
        {"5.", 5.0},
        {".5", 0.5},
        {"5.25", 5.25},
        {"-5.25", -5.25},
        {"+5.25", 5.25},
        {"-0", -0.0},
        {"0e999999", 0.0},
        {"5e", 5.0},
        {"5e+", 5.0},
        {"5E-", 5.0},
        {"5d", 5.0},
        {"5ex", 5.0},
        {"1+5", 1.0},
        {"1-5", 1.0},
        {"1.2.3", 1.2},
        {"0x1A", 0.0},
        {"1,000", 1.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"--5", 0.0},
        {"+-5", 0.0},
        {"- 5", 0.0},
        {"1e2e3", 100.0},
        {"1D2", 100.0},
        {"1d-2", 0.01},
        {"2.5E+3", 2500.0},
        {"7", 7.0},
        {"7.0", 7.0},
        {"0.7e1", 7.0},
        {"70e-1", 7.0},
        {"000000000000000000000000000000000042", 42.0},
        {"0.000000000000000000000000000000000042e36", 42.0},
        {"9007199254740991", 9007199254740991.0},
        {"-9007199254740991", -9007199254740991.0},
        {"9007199254740992", 9007199254740992.0},
        {"18446744073709551615", 18446744073709551615.0},
        {"1e308", 1e308},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"1.7976931348623158e308", 1.7976931348623157e308},  // rounds down to the largest
        {"1.7976931348623159e308", kInfinity},               // past the halfway point
        {"-1e309", -kInfinity},
        {"2.2250738585072014e-308", 2.2250738585072014e-308},  // smallest normal
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},  // above half
        {"2.4703282292062327e-324", 0.0},                                        // below half
        {"-1e-400", -0.0},
    };
    for (const ReadCase& c : cases) {
        EXPECT_TRUE(SameBits(c.text, draw::ReadDecimal(c.text), c.expected));
    }
}

TEST(DecimalReader, UsesOnlyTheFirst24SignificantDigits) {
    const ReadCase cases[] = {
        // 24 digits are read; the 25th and later digits after the point are ignored, so the
        // value does not round up although the dropped tail is above one half of the last unit.
        {"0.123456789012345678901234999", 0.123456789012345678901234},
        // Leading zeros do not count among the 24.
        {"0.000000123456789012345678901234999", 0.000000123456789012345678901234},
        // Digits dropped before the point still count for the magnitude, as zeros.
        {"1234567890123456789012349999", 1234567890123456789012340000.0},
        {"1234567890123456789012349999.999", 1234567890123456789012340000.0},
        // 2^53 + 1 lies halfway between two doubles; a 25th digit would tip it upwards, but as it
        // is not read, the tie goes to the even neighbour 2^53.
        {"9007199254740993.000000001", 9007199254740992.0},
        // 1 + 3 * 2^-53 exactly is a tie that would go up to 1 + 2^-51; cut to 24 digits it lies
        // below the halfway point and goes down to 1 + 2^-52.
        {"1.00000000000000033306690738754696212708950042724609375", 1.0000000000000002},
    };
    for (const ReadCase& c : cases) {
        EXPECT_TRUE(SameBits(c.text, draw::ReadDecimal(c.text), c.expected));
    }
}

TEST(DecimalReader, CapsTheExponentAt5201AndConsumesItsDigits) {
    // With the cap, a tiny mantissa and a huge exponent still overflow, and a huge mantissa
    // with a huge negative exponent still vanishes.
    const std::string thousandZeros(1000, '0');
    const ReadCase cases[] = {
        {"1e5201", kInfinity},
        {"1e99999999999999999999999", kInfinity},
        {"1e-99999999999999999999999", 0.0},
    };
    for (const ReadCase& c : cases) {
        EXPECT_TRUE(SameBits(c.text, draw::ReadDecimal(c.text), c.expected));
    }
    // 10^-5000 × 10^5201 would be 10^201, but the written exponent 5202 counts as 5201.
    const std::string small = "0." + std::string(4999, '0') + "1e5202";
    EXPECT_TRUE(SameBits(small, draw::ReadDecimal(small.c_str()), 1e201));
    const std::string smallCapped = "0." + std::string(4999, '0') + "1e5201";
    EXPECT_TRUE(SameBits(smallCapped, draw::ReadDecimal(smallCapped.c_str()), 1e201));
    // A thousand dropped digits before the point and an exponent of -1000 give the mantissa.
    const std::string wide = "5" + thousandZeros + "e-1000";
    EXPECT_TRUE(SameBits(wide, draw::ReadDecimal(wide.c_str()), 5.0));
    // The exponent's digits are consumed, so a following digit does not start anything new.
    EXPECT_EQ(draw::ParseHeadCount("1e-99999999999999999999"
                                   "5"),
              0);
}

TEST(DecimalReader, ReadsEveryWholeNumberBelow2To53Exactly) {
    const uint64_t numbers[] = {
        0, 1, 9, 10, 32768, 40000, 2147483647, 4294967297, 123456789012345, 9007199254740991};
    for (const uint64_t number : numbers) {
        const std::string digits = std::to_string(number);
        const auto expected = static_cast<double>(number);
        const std::string forms[] = {digits, digits + ".000", "0" + digits + "e0", digits + "0e-1",
                                     "0." + digits + "e" + std::to_string(digits.size())};
        for (const std::string& form : forms) {
            EXPECT_TRUE(SameBits(form, draw::ReadDecimal(form.c_str()), expected));
        }
    }
}

TEST(DecimalReader, RoundsHalfwayCasesToEven) {
    const ReadCase cases[] = {
        {"9007199254740993", 9007199254740992.0},           // 2^53 + 1: halfway, down to even
        {"9007199254740995", 9007199254740996.0},           // 2^53 + 3: halfway, up to even
        {"9007199254740993.00000001", 9007199254740994.0},  // just above halfway
        {"9007199254740992.99999999", 9007199254740992.0},  // just below it
        {"1.00000000000000011102230", 1.0},                 // just below 1 + 2^-53
        {"1.00000000000000011102231", 1.0000000000000002},  // just above it
        {"2.47032822920623272088284e-324", 0.0},  // just below half the smallest subnormal
        {"2.47032822920623272088285e-324", 4.9406564584124654e-324},  // just above it
        {"7.41098468761869816264853e-324", 4.9406564584124654e-324},  // below 1.5 units
        {"7.41098468761869816264854e-324", 9.8813129168249309e-324},  // above 1.5 units
    };
    for (const ReadCase& c : cases) {
        EXPECT_TRUE(SameBits(c.text, draw::ReadDecimal(c.text), c.expected));
    }
}

// Random decimal texts of at most 24 significant digits, whose value the C library (here
// glibc, which rounds correctly) can be trusted to convert: the reference for correct rounding.
std::vector<std::string> RandomDecimalTexts() {
    std::mt19937_64 random(20240611);
    std::vector<std::string> texts;
    for (int index = 0; index < 20000; ++index) {
        const int digitCount = 1 + static_cast<int>(random() % 24);
        std::string digits;
        for (int digit = 0; digit < digitCount; ++digit) {
            digits.push_back(static_cast<char>('0' + random() % 10));
        }
        // Place the point anywhere and pick an exponent that covers subnormals to overflow.
        const size_t point = random() % (digits.size() + 1);
        digits.insert(point, ".");
        if (digits == ".") {
            digits = "0.";
        }
        const int exponent = static_cast<int>(random() % 700) - 350;
        texts.push_back((random() % 2 ? "-" : "") + digits + "e" + std::to_string(exponent));
    }
    // Points within 10^-23 of the halfway point between neighbouring doubles, formed in long
    // double, where the halfway point is exact: there a careless conversion goes wrong.
    for (int index = 0; index < 4000; ++index) {
        const uint64_t significand = (random() >> 11) | (uint64_t{1} << 52);
        const int binaryExponent = static_cast<int>(random() % 2000) - 1100;
        const long double halfway =
            std::ldexp(static_cast<long double>(significand), binaryExponent) +
            std::ldexp(1.0L, binaryExponent - 1);
        char text[64];
        std::snprintf(text, sizeof text, "%.23Le", halfway);
        texts.push_back(text);
    }
    return texts;
}

TEST(DecimalReader, MatchesACorrectlyRoundedReference) {
    for (const std::string& text : RandomDecimalTexts()) {
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_TRUE(SameBits(text, draw::ReadDecimal(text.c_str()), expected));
    }
}

TEST(DecimalReader, IgnoresTheRoundingModeOfTheFloatingPointUnit) {
    // Every fourth text is enough here: the conversion has no path that only some texts take
    // through floating-point arithmetic.
    std::vector<std::string> texts;
    const std::vector<std::string> all = RandomDecimalTexts();
    for (size_t index = 0; index < all.size(); index += 4) {
        texts.push_back(all[index]);
    }
    std::vector<double> nearest;
    for (const std::string& text : texts) {
        nearest.push_back(draw::ReadDecimal(text.c_str()));
    }
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (size_t index = 0; index < texts.size(); ++index) {
            const double actual = draw::ReadDecimal(texts[index].c_str());
            if (std::bit_cast<uint64_t>(actual) != std::bit_cast<uint64_t>(nearest[index])) {
                std::fesetround(FE_TONEAREST);
                FAIL() << "rounding mode " << mode << " changed " << texts[index];
            }
        }
        std::fesetround(FE_TONEAREST);
    }
}

}  // namespace
