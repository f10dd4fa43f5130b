// Tests of head-count parsing as a whole and of its first and last stages: full-width folding,
// the lone lead byte, and truncation to 64 and then 32 bits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "draw/draw.h"

namespace {

struct HeadCountCase {
    const char* text;
    int32_t expected;
};

// Every entry of the documented table, then the full-width and double-byte cases that matter.
const HeadCountCase kHeadCountCases[] = {
    {"", 0},
    {" ", 0},
    {"0", 0},
    {"1", 1},
    {"2", 2},
    {"-5", -5},
    {"+7", 7},
    {"3.9", 3},
    {"-0.9", 0},
    {".5", 0},
    {"12abc", 12},
    {"12 34", 12},
    {"abc", 0},
    {"\xA3\xB1\xA3\xB2", 12},            // full-width 12
    {"\xA1\xA1\xA3\xB7", 7},             // ideographic space, full-width 7
    {"\xA3\xAD\xA3\xB3", -3},            // full-width minus 3
    {"\xA3\xB1\xA3\xC5\xA3\xB3", 1000},  // full-width 1E3
    {"1\xA3\xB2"
     "3",
     123},  // ASCII 1, full-width 2, ASCII 3
    {"40000", 40000},
    {"1e10", 1410065408},
    {"1d3", 1000},
    {"+.5e1", 5},
    {"1e+-5", 1},
    {"3000000000", -1294967296},
    {"4294967297", 1},
    {"-4294967295", 1},
    {"9223372036854775807", 0},
    {"1e400", 0},
    {"1e-400", 0},
    // Full-width point, exponent letters d and e, and plus sign.
    {"\xA3\xB2\xA3\xAE\xA3\xB5\xA3\xE4\xA3\xB1", 25},  // ２．５ｄ１
    {"\xA3\xAB\xA3\xB9\xA3\xE5\xA3\xB2", 900},         // ＋９ｅ２
    // The ideographic full stop is not folded, so it ends the number.
    {"3\xA1\xA3"
     "5",
     3},
    // A lead byte swallows the next byte whatever it is: here the ASCII 5 after it.
    {"1\xA3"
     "5",
     1},
    {"1\x81"
     "23",
     1},
    // A lead byte cut off by the end of the text is dropped.
    {"42\xA3", 42},
    {"\xA3", 0},
    // Folded white space and signs behave like their ASCII forms.
    {"\xA1\xA1\xA1\xA1-\xA3\xB8", -8},
    {"\t\n\v\f\r 9", 9},
    // Star and tilde fold to * and ~, which end the number.
    {"5\xA1\xEE"
     "1",
     5},
    {"6\xA1\xAB"
     "1",
     6},
    {"2147483647", 2147483647},
    {"2147483648", -2147483647 - 1},
    {"-2147483648", -2147483647 - 1},
    {"4294967296", 0},
    {"-9223372036854775808", 0},
};

TEST(HeadCount, ParsesEveryDocumentedEntry) {
    for (const HeadCountCase& c : kHeadCountCases) {
        EXPECT_EQ(draw::ParseHeadCount(c.text), c.expected) << "entry \"" << c.text << "\"";
    }
}

struct FoldCase {
    std::string text;
    std::string expected;
};

TEST(FullWidthFolding, FoldsTheTableAndKeepsEverythingElse) {
    const FoldCase cases[] = {
        {"plain ASCII 12.5", "plain ASCII 12.5"},
        {"\xA3\xA1", "!"},  // the first full-width form
        {"\xA3\xFE", "~"},  // the last full-width form
        {"\xA3\xB0\xA3\xB9", "09"},
        {"\xA3\xC4\xA3\xE4", "Dd"},
        {"\xA1\xA1", " "},
        {"\xA1\xAB", "~"},
        {"\xA1\xEE\xA1\xEF", "**"},
        {"\xA1\xA3", "\xA1\xA3"},  // ideographic full stop stays
        {"\xA3\xA0", "\xA3\xA0"},  // just below the full-width block
        {"\xA3\xFF", "\xA3\xFF"},  // just above it
        {"\xA1\xAC", "\xA1\xAC"},
        {"\xC4\xE3\xBA\xC3", "\xC4\xE3\xBA\xC3"},  // ordinary Chinese characters
        {"\xA3"
         "1",
         "\xA3"
         "1"},             // a lead byte takes the next byte even when it is ASCII
        {"ab\xA3", "ab"},  // a lone lead byte at the end is dropped
        {"\xFF\xFF\xA3\xB1",
         "\xFF\xFF"
         "1"},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(draw::NormalizeFullWidth(c.text.c_str()), c.expected)
            << "text \"" << c.text << "\"";
    }
}

TEST(FullWidthFolding, AcceptsNoTextAsTheEmptyText) {
    EXPECT_EQ(draw::NormalizeFullWidth(nullptr), "");
    EXPECT_EQ(draw::ParseHeadCount(nullptr), 0);
}

struct TruncateCase {
    double value;
    int32_t expected;
};

TEST(TruncateToBound, TruncatesTowardZeroThenKeepsTheLow32Bits) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const TruncateCase cases[] = {
        {0.0, 0},
        {-0.0, 0},
        {3.9, 3},
        {-3.9, -3},
        {-0.5, 0},
        {0.999999999, 0},
        {std::numeric_limits<double>::denorm_min(), 0},
        {2147483647.9, 2147483647},
        {2147483648.0, -2147483647 - 1},
        {4294967295.0, -1},
        {4294967296.0, 0},
        {4294967297.5, 1},
        {-4294967297.5, -1},
        {9007199254740993.0, 0},  // rounds to 2^53 when written, low 32 bits zero
        {9007199254740994.0, 2},
        {-9007199254740994.0, -2},
        {std::ldexp(1.0, 62) + 4096.0, 4096},
        {std::ldexp(-1.0, 63), 0},  // the one in-range value at the edge
        {std::ldexp(1.0, 63), 0},   // out of range
        {std::ldexp(1.0, 70), 0},
        {1e300, 0},
        {kInfinity, 0},
        {-kInfinity, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const TruncateCase& c : cases) {
        EXPECT_EQ(draw::TruncateToBound(c.value), c.expected) << "value " << c.value;
    }
}

}  // namespace
