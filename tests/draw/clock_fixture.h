// A test fixture that gives the draw a tick count under the test's control and starts every
// test from a seed offset of 0, as a freshly started program would have.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "draw/draw.h"
#include "draw/seed_offset.h"

class DrawClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ticks = 0;
        draw::SetTickSource(&CurrentTicks);
        draw::SetSeedOffset(0);
    }
    void TearDown() override {
        draw::SetTickSource(nullptr);
        draw::SetSeedOffset(0);
    }

    static uint32_t CurrentTicks() { return ticks; }

    static inline uint32_t ticks = 0;
};
