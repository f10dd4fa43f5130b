// Maps generator values uniformly onto a range of whole numbers. Several 15-bit values are
// joined when the range is wider than one of them covers, and a joined value from the uneven
// top of the generator's range is drawn again, so that every number is equally likely.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "draw/draw.h"
#include "draw/invariant.h"

namespace draw {
namespace {

constexpr int kBitsPerValue = 15;
constexpr int64_t kHighestBound = 2147483647;
// The widest distance between the bounds; it keeps the range's size within 31 bits.
constexpr int64_t kWidestDistance = 2147483646;

int64_t BoundOrDefault(std::optional<int32_t> bound, int64_t absent) {
    if (!bound) {
        return absent;
    }
    return std::max<int64_t>(*bound, 0);
}

// How many generator values it takes to cover span numbers: 1, 2 or 3.
int ValuesNeeded(uint64_t span) {
    int count = 1;
    while ((uint64_t{1} << (kBitsPerValue * count)) < span) {
        ++count;
    }
    return count;
}

}  // namespace

int32_t RandomInRange(std::optional<int32_t> low, std::optional<int32_t> high) {
    const int64_t lowBound = BoundOrDefault(low, 0);
    const int64_t highBound = BoundOrDefault(high, kHighestBound);
    const int64_t first = std::min(lowBound, highBound);
    const int64_t last = std::max(lowBound, highBound);
    if (first == last) {
        return static_cast<int32_t>(first);
    }
    const auto span = static_cast<uint64_t>(std::min(last - first, kWidestDistance)) + 1;

    const int valueCount = ValuesNeeded(span);
    DRAW_CHECK(valueCount >= 1 && valueCount <= 3);
    const uint64_t joinedRange = uint64_t{1} << (kBitsPerValue * valueCount);
    // The largest multiple of span not above joinedRange: values from it upwards would favour
    // the low numbers, so they are drawn again.
    const uint64_t acceptedBelow = joinedRange - joinedRange % span;
    uint64_t joined = 0;
    do {
        joined = 0;
        for (int index = 0; index < valueCount; ++index) {
            joined = (joined << kBitsPerValue) | static_cast<uint64_t>(NextRandom());
        }
    } while (joined >= acceptedBelow);
    return static_cast<int32_t>(first + static_cast<int64_t>(joined % span));
}

}  // namespace draw
