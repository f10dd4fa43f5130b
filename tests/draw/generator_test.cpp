// Tests of the generator: its worked values, clock seeding with the seed offset, the default
// clock, and the per-thread state beside the process-wide offset.
#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "clock_fixture.h"
#include "draw/draw.h"
#include "draw/monotonic_clock.h"
#include "draw/seed_offset.h"

namespace {

std::vector<int32_t> NextValues(int count) {
    std::vector<int32_t> values;
    for (int index = 0; index < count; ++index) {
        values.push_back(draw::NextRandom());
    }
    return values;
}

TEST(Generator, GivesTheWorkedFirstValues) {
    const struct {
        uint32_t seed;
        int32_t firstValue;
    } cases[] = {{0, 38}, {1, 41}, {1000, 3304}, {123456, 9977}, {4294967295u, 35}};
    for (const auto& c : cases) {
        draw::SeedWith(c.seed);
        EXPECT_EQ(draw::NextRandom(), c.firstValue) << "seed " << c.seed;
    }
}

TEST(Generator, StaysWithin15BitsAndFollowsTheRecurrence) {
    draw::SeedWith(987654321);
    uint32_t state = 987654321;
    for (int step = 0; step < 100000; ++step) {
        state = state * 214013u + 2531011u;
        const int32_t value = draw::NextRandom();
        ASSERT_EQ(value, static_cast<int32_t>((state >> 16) & 0x7FFF)) << "step " << step;
    }
}

using ClockSeeding = DrawClockTest;

TEST_F(ClockSeeding, FollowsTheWorkedTable) {
    const struct {
        uint32_t ticks;
        uint32_t offsetBefore;
        uint32_t seed;
        uint32_t offsetAfter;
        int32_t firstValue;
        int32_t drawFrom1To10;
        int32_t drawFrom1To100;
    } rows[] = {
        {1000, 0, 1000, 332, 3304, 5, 5},
        {1000, 332, 1332, 484, 4388, 9, 89},
        {5000, 484, 5484, 692, 17947, 8, 48},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "tick count " << row.ticks << ", offset " << row.offsetBefore);
        // The rows follow each other: the offset each row starts from is the one left before.
        ASSERT_EQ(draw::SeedOffset(), row.offsetBefore);
        ticks = row.ticks;
        draw::SeedFromClock();
        EXPECT_EQ(draw::SeedOffset(), row.offsetAfter);
        const std::vector<int32_t> fromClock = NextValues(5);
        draw::SeedWith(row.seed);
        EXPECT_EQ(fromClock, NextValues(5)) << "the clock did not seed " << row.seed;
        EXPECT_EQ(fromClock.front(), row.firstValue);

        draw::SeedWith(row.seed);
        EXPECT_EQ(draw::RandomInRange(1, 10), row.drawFrom1To10);
        draw::SeedWith(row.seed);
        EXPECT_EQ(draw::RandomInRange(1, 100), row.drawFrom1To100);
        draw::SetSeedOffset(row.offsetAfter);
    }
}

TEST_F(ClockSeeding, GivesDifferentSeedsWithinOneMillisecond) {
    ticks = 777;
    for (int click = 0; click < 1000; ++click) {
        const uint32_t before = draw::SeedOffset();
        draw::SeedFromClock();
        const uint32_t growth = draw::SeedOffset() - before;
        ASSERT_GE(growth, 100u) << "click " << click;
        ASSERT_LE(growth, 355u) << "click " << click;
        // The seed was ticks + before, and the offset grew by its low byte plus 100.
        ASSERT_EQ(growth, ((777u + before) & 0xFF) + 100u) << "click " << click;
    }
}

TEST_F(ClockSeeding, WrapsModulo2To32) {
    ticks = 4294967295u;
    draw::SetSeedOffset(1);
    draw::SeedFromClock();
    EXPECT_EQ(draw::SeedOffset(), 101u);
    EXPECT_EQ(draw::NextRandom(), 38);  // the first value of seed 0

    ticks = 10;
    draw::SetSeedOffset(4294967290u);
    draw::SeedFromClock();  // seed 4, offset wraps to 4294967290 + 104
    EXPECT_EQ(draw::SeedOffset(), 98u);
}

TEST(ClockSeedingDefault, ReadsTheMonotonicClockWhenNoSourceIsInstalled) {
    draw::SetTickSource(nullptr);
    draw::SetSeedOffset(0);
    const uint32_t before = draw::MonotonicMilliseconds();
    draw::SeedFromClock();
    const uint32_t after = draw::MonotonicMilliseconds();
    const std::vector<int32_t> fromClock = NextValues(5);
    // With offset 0 the seed is the tick count itself, read between the two readings here.
    bool found = false;
    for (uint32_t tick = before; tick != after + 1 && !found; ++tick) {
        draw::SeedWith(tick);
        found = NextValues(5) == fromClock;
    }
    EXPECT_TRUE(found) << "no tick count from " << before << " to " << after
                       << " seeds the values drawn";
    draw::SetSeedOffset(0);
}

TEST(Generator, KeepsItsStatePerThreadAndTheOffsetPerProcess) {
    draw::SeedWith(1000);
    int32_t otherThreadFirst = -1;
    uint32_t offsetSeenByOtherThread = 0;
    const uint32_t offsetBefore = draw::SeedOffset();
    std::thread other([&] {
        // A new thread starts with state 1, whatever this thread has done.
        otherThreadFirst = draw::NextRandom();
        draw::SeedFromClock();
        offsetSeenByOtherThread = draw::SeedOffset();
    });
    other.join();
    EXPECT_EQ(otherThreadFirst, 41);
    EXPECT_NE(offsetSeenByOtherThread, offsetBefore);
    EXPECT_EQ(draw::SeedOffset(), offsetSeenByOtherThread);
    // This thread's state is untouched by the other thread's seeding.
    EXPECT_EQ(draw::NextRandom(), 3304);
    draw::SetSeedOffset(0);
}

}  // namespace
