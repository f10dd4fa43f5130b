// Ten thousand draws into the result label leave as many live GDI objects and windows as the
// first one did: each paint releases its fonts, however wide the number.
#include <gtest/gtest.h>

#include <string>

#include "platform/testing/scenario.h"
#include "tests/window/result_label_support.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

TEST(ResultLabelLeak, TenThousandDrawsLeaveTheObjectAndWindowCountsUnchanged) {
    Scenario scenario;
    scenario
        .Check([](Screen& screen) {
            TransparentLabel* label = ResultLabel();
            ASSERT_NE(label, nullptr);
            label->SetSetting(kCaptionSetting, std::string("1"));
            const size_t objects = screen.LiveObjectCount();
            const size_t windows = screen.LiveWindowCount();
            // Numbers of every width, from those that fit to those drawn smaller.
            uint32_t number = 1;
            for (int draw = 0; draw < 10'000; ++draw) {
                number = number * 1'103'515'245u + 12'345u;
                label->SetSetting(kCaptionSetting, std::to_string(number >> (draw % 30)));
            }
            EXPECT_EQ(screen.LiveObjectCount(), objects);
            EXPECT_EQ(screen.LiveWindowCount(), windows);
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

}  // namespace
}  // namespace quorvane::testing
