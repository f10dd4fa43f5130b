// A deterministic fairness test of the draw: from a fixed seed, many draws over a few range
// sizes must pass a chi-square test at a significance of 10^-6, so the test never flakes, yet
// the old remainder mapping (low numbers twice as likely among 20000, nothing above 32768
// among 40000) fails it by a wide margin.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "draw/draw.h"

namespace {

// The value of chi-square that a fair draw exceeds with probability 10^-6, by degrees of
// freedom (the number of cells less one), from the chi-square distribution.
double CriticalValue(size_t degreesOfFreedom) {
    switch (degreesOfFreedom) {
        case 1:
            return 23.928;
        case 9:
            return 44.811;
        case 999:
            return 1226.046;
        case 1023:
            return 1252.581;
        case 19999:
            return 20964.099;
        default:
            ADD_FAILURE() << "no critical value for " << degreesOfFreedom << " degrees of freedom";
            return 0.0;
    }
}

// Chi-square of counts against equal expectation in every cell.
double ChiSquare(const std::vector<uint64_t>& counts, uint64_t draws) {
    const double expected = static_cast<double>(draws) / static_cast<double>(counts.size());
    double sum = 0.0;
    for (const uint64_t count : counts) {
        const double difference = static_cast<double>(count) - expected;
        sum += difference * difference / expected;
    }
    return sum;
}

struct FairnessCase {
    const char* name;
    std::optional<int32_t> low;
    std::optional<int32_t> high;
    uint64_t draws;
    size_t cells;
    // The cell of a drawn value.
    std::function<size_t(int32_t)> cellOf;
};

TEST(Fairness, EveryNumberIsEquallyLikely) {
    const FairnessCase cases[] = {
        {"1..2", 1, 2, 200000, 2, [](int32_t value) { return static_cast<size_t>(value - 1); }},
        {"1..10", 1, 10, 200000, 10, [](int32_t value) { return static_cast<size_t>(value - 1); }},
        {"1..20000", 1, 20000, 2000000, 20000,
         [](int32_t value) { return static_cast<size_t>(value - 1); }},
        {"1..40000 in 1000 runs of 40", 1, 40000, 1000000, 1000,
         [](int32_t value) { return static_cast<size_t>((value - 1) / 40); }},
        {"0..2147483646 in 1024 slices", std::nullopt, std::nullopt, 1000000, 1024,
         [](int32_t value) { return static_cast<size_t>(int64_t{value} * 1024 / 2147483647); }},
        {"0..2147483646 by the low ten bits", 0, 2147483647, 1000000, 1024,
         [](int32_t value) { return static_cast<size_t>(value & 1023); }},
    };
    for (const FairnessCase& c : cases) {
        draw::SeedWith(20240611);
        std::vector<uint64_t> counts(c.cells, 0);
        for (uint64_t draw = 0; draw < c.draws; ++draw) {
            const size_t cell = c.cellOf(draw::RandomInRange(c.low, c.high));
            ASSERT_LT(cell, c.cells) << c.name;
            ++counts[cell];
        }
        const double chiSquare = ChiSquare(counts, c.draws);
        EXPECT_LT(chiSquare, CriticalValue(c.cells - 1))
            << c.name << ": chi-square " << chiSquare << " over " << c.cells << " cells";
    }
}

TEST(Fairness, EveryNumberAbove32768IsReachable) {
    draw::SeedWith(7);
    std::vector<bool> seen(40001, false);
    for (int draw = 0; draw < 1000000; ++draw) {
        seen[static_cast<size_t>(draw::RandomInRange(1, 40000))] = true;
    }
    for (int32_t number = 1; number <= 40000; ++number) {
        ASSERT_TRUE(seen[static_cast<size_t>(number)])
            << number << " was never drawn from 1..40000";
    }
}

}  // namespace
