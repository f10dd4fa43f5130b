// Tests of the decimal text that the result label shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "draw/draw.h"

namespace {

TEST(DecimalText, WritesSignedDecimalWithoutPadding) {
    const struct {
        int32_t value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {1, "1"},
        {-1, "-1"},
        {10, "10"},
        {32768, "32768"},
        {1000000, "1000000"},
        {2147483647, "2147483647"},
        {-2147483647 - 1, "-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draw::FormatDecimal(c.value), c.expected) << "value " << c.value;
    }
}

TEST(DecimalText, RoundTripsThroughTheParser) {
    for (int64_t value = -2147483648LL; value <= 2147483647LL; value += 65537 * 13) {
        const auto number = static_cast<int32_t>(value);
        ASSERT_EQ(draw::ParseHeadCount(draw::FormatDecimal(number).c_str()), number);
    }
}

}  // namespace
