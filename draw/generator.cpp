// The draw's pseudo-random generator: a linear congruential generator with per-thread state,
// seeded from the millisecond tick count plus a process-wide seed offset.
#include <atomic>
#include <cstdint>

#include "draw/draw.h"
#include "draw/monotonic_clock.h"
#include "draw/seed_offset.h"

namespace draw {
namespace {

constexpr uint32_t kMultiplier = 214013;   // 0x343FD
constexpr uint32_t kIncrement = 2531011;   // 0x269EC3
constexpr uint32_t kOffsetStepBase = 100;  // the offset grows by this plus the seed's low byte

// Until the window side installs the system tick count, the monotonic clock stands in for it.
std::atomic<uint32_t (*)()> tickSource{&MonotonicMilliseconds};

// Only the GUI thread seeds, so the offset needs no lock; it is atomic so that a second thread
// that seeds anyway cannot tear it.
std::atomic<uint32_t> seedOffset{0};

thread_local uint32_t generatorState = 1;

}  // namespace

void SetTickSource(uint32_t (*source)()) {
    tickSource.store(source != nullptr ? source : &MonotonicMilliseconds);
}

void SeedFromClock() {
    const uint32_t ticks = tickSource.load()();
    uint32_t offset = seedOffset.load(std::memory_order_relaxed);
    uint32_t seed = 0;
    do {
        seed = ticks + offset;
    } while (!seedOffset.compare_exchange_weak(offset, offset + (seed & 0xFF) + kOffsetStepBase,
                                               std::memory_order_relaxed));
    generatorState = seed;
}

void SeedWith(uint32_t seed) {
    generatorState = seed;
}

int32_t NextRandom() {
    generatorState = generatorState * kMultiplier + kIncrement;
    return static_cast<int32_t>((generatorState >> 16) & 0x7FFF);
}

uint32_t SeedOffset() {
    return seedOffset.load(std::memory_order_relaxed);
}

void SetSeedOffset(uint32_t offset) {
    seedOffset.store(offset, std::memory_order_relaxed);
}

}  // namespace draw
