// Tests of the range mapping: bounds and their order, the equal-bounds shortcut, one generator
// value for small ranges, joined values for wide ones, and drawing again from the uneven top.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "draw/draw.h"

namespace {

constexpr std::optional<int32_t> kAbsent = std::nullopt;

// The number of generator steps a call takes, seen by where the generator stands afterwards.
int StepsTaken(uint32_t seed, std::optional<int32_t> low, std::optional<int32_t> high) {
    draw::SeedWith(seed);
    draw::RandomInRange(low, high);
    const int32_t next = draw::NextRandom();
    draw::SeedWith(seed);
    for (int steps = 0; steps < 100; ++steps) {
        if (draw::NextRandom() == next) {
            return steps;
        }
    }
    return -1;
}

TEST(RangeMapping, GivesTheWorkedDraws) {
    const struct {
        uint32_t seed;
        std::optional<int32_t> low;
        std::optional<int32_t> high;
        int32_t expected;
        int steps;
    } cases[] = {
        // One value, no rejection: 1 + first value mod range size.
        {1000, 1, 10, 5, 1},  // first value 3304
        {1000, 1, 100, 5, 1},
        {1332, 1, 100, 89, 1},  // first value 4388
        {5484, 1, 10, 8, 1},    // first value 17947
        {1000, 10, 1, 5, 1},    // bounds in either order
        {1000, 1, 32768, 3305, 1},
        {1000, 0, 32767, 3304, 1},
        // Bounds that meet: no step at all.
        {1000, 1, 1, 1, 0},
        {1000, 7, 7, 7, 0},
        {1000, -3, 0, 0, 0},  // both count as 0
        {1000, kAbsent, 0, 0, 0},
        // Negative or zero head counts draw from 0 to 1.
        {1000, 1, 0, 0, 1},  // 3304 mod 2
        {1000, 1, -5, 0, 1},
        {1332, 1, -2147483647 - 1, 0, 1},
        // The first value 22897 of seed 7000 lies in the uneven top for a range of 20000 and is
        // drawn again; the second value 11236 is accepted.
        {7000, 1, 20000, 11237, 2},
        // The first value 32762 of seed 10021 lies in the top 8 values for a range of 10; the
        // second value is accepted.
        {10021, 1, 10, 4, 2},
        // Two joined values for seed 1000: 3304 * 2^15 + 8221, reduced modulo 40000.
        {1000, 1, 40000, 33694, 2},
        // Seed 30091 joins to 1073726912, above the largest multiple of 40000 below 2^30.
        {30091, 1, 40000, 18523, 4},
        // Three joined values for the widest range, 0 to 2147483646.
        {1000, kAbsent, kAbsent, 269414229, 3},
        {1000, 0, 2147483647, 269414229, 3},
        {1000, kAbsent, 2147483647, 269414229, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed << ", bounds "
                                        << (c.low ? std::to_string(*c.low) : "absent") << " and "
                                        << (c.high ? std::to_string(*c.high) : "absent"));
        draw::SeedWith(c.seed);
        EXPECT_EQ(draw::RandomInRange(c.low, c.high), c.expected);
        EXPECT_EQ(StepsTaken(c.seed, c.low, c.high), c.steps);
    }
}

TEST(RangeMapping, StaysWithinTheBounds) {
    const struct {
        std::optional<int32_t> low;
        std::optional<int32_t> high;
        int32_t first;
        int32_t last;
    } ranges[] = {
        {5, 2, 2, 5},
        {1, 0, 0, 1},
        {1, 40000, 1, 40000},
        {2147483646, 2147483647, 2147483646, 2147483647},
        {1, 2147483647, 1, 2147483647},
        {kAbsent, kAbsent, 0, 2147483646},
        {-100, kAbsent, 0, 2147483646},
        {100000, kAbsent, 100000, 2147483647},
        {kAbsent, 1073741825, 0, 1073741825},  // just past two joined values
    };
    draw::SeedWith(42);
    for (const auto& range : ranges) {
        for (int draw = 0; draw < 20000; ++draw) {
            const int32_t value = draw::RandomInRange(range.low, range.high);
            ASSERT_GE(value, range.first) << "range " << range.first << ".." << range.last;
            ASSERT_LE(value, range.last) << "range " << range.first << ".." << range.last;
        }
    }
}

TEST(RangeMapping, ReachesBothEndsOfSmallAndWideRanges) {
    const struct {
        int32_t low;
        int32_t high;
    } ranges[] = {{1, 2}, {2, 5}, {1, 32768}, {1, 32769}, {1, 40000}};
    draw::SeedWith(99);
    for (const auto& range : ranges) {
        bool sawLow = false;
        bool sawHigh = false;
        for (int draw = 0; draw < 2000000 && !(sawLow && sawHigh); ++draw) {
            const int32_t value = draw::RandomInRange(range.low, range.high);
            sawLow = sawLow || value == range.low;
            sawHigh = sawHigh || value == range.high;
        }
        EXPECT_TRUE(sawLow) << range.low << " never drawn from " << range.low << ".." << range.high;
        EXPECT_TRUE(sawHigh) << range.high << " never drawn from " << range.low << ".."
                             << range.high;
    }
}

}  // namespace
