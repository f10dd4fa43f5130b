// The result label's settings: how each of the seven is stored and read back, clamped values that
// draw like the value they are clamped to, and the caption as the window text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/scenario.h"
#include "tests/window/result_label_support.h"
#include "app/shell.h"
#include "window/form.h"
#include "window/transparent_label_setting_store.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

const TransparentLabelSettings& FormSettings() {
    return std::get<TransparentLabelSettings>(
        FindFormEntry(MainWindowForm(), kResultLabel)->settings);
}

std::string Show(const LabelSettingValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return "text \"" + *text + "\"";
    }
    if (const auto* number = std::get_if<int32_t>(&value)) {
        return "number " + std::to_string(*number);
    }
    return "block of " + std::to_string(std::get<std::vector<uint8_t>>(value).size()) + " bytes";
}

TEST(ResultLabelSettings, StartAsTheFormSetsThem) {
    const TransparentLabelSettingStore store(FormSettings());
    EXPECT_EQ(store.Caption(), "");
    EXPECT_EQ(store.TextEffect(), 0);
    ASSERT_NE(store.Font(), nullptr);
    EXPECT_EQ(store.Font()->lfHeight, -213);
    EXPECT_EQ(store.Font()->lfWeight, FW_BOLD);
    EXPECT_EQ(store.TextColour(), 0x0000FFu);
    EXPECT_EQ(store.HorizontalAlignment(), 1);
    EXPECT_FALSE(store.WordWrap());
    EXPECT_EQ(store.VerticalAlignment(), 1);
    EXPECT_EQ(std::get<std::vector<uint8_t>>(*store.Get(kFontSetting)).size(), 60u);
}

TEST(ResultLabelSettings, StoreEachValueByItsRule) {
    struct Case {
        int32_t index;
        LabelSettingValue given;
        LabelSettingValue stored;
    };
    const std::vector<uint8_t> font60 = ResultFontBlock(FW_NORMAL);
    const std::vector<uint8_t> font61 = [&] {
        auto block = font60;
        block.push_back(0);
        return block;
    }();
    const Case cases[] = {
        {kCaptionSetting, std::string("852"), std::string("852")},
        {kCaptionSetting,
         std::string("8\0"
                     "52",
                     4),
         std::string("8")},
        {kTextEffectSetting, -1, 0},
        {kTextEffectSetting, 2, 2},
        {kTextEffectSetting, 5, 3},
        {kFontSetting, font60, font60},
        {kFontSetting, font61, font61},
        {kFontSetting, std::vector<uint8_t>{}, std::vector<uint8_t>{}},
        {kTextColourSetting, static_cast<int32_t>(0xFF000000u), static_cast<int32_t>(0xFF000000u)},
        {kHorizontalAlignmentSetting, -1, 0},
        {kHorizontalAlignmentSetting, 7, 2},
        {kWordWrapSetting, 2, 2},
        {kWordWrapSetting, -1, -1},
        {kVerticalAlignmentSetting, INT32_MIN, 0},
        {kVerticalAlignmentSetting, INT32_MAX, 2},
    };
    for (const Case& test : cases) {
        TransparentLabelSettingStore store(FormSettings());
        EXPECT_TRUE(store.Store(test.index, test.given));
        EXPECT_EQ(*store.Get(test.index), test.stored)
            << "index " << test.index << " given " << Show(test.given) << ": stored "
            << Show(*store.Get(test.index)) << ", expected " << Show(test.stored);
    }
}

TEST(ResultLabelSettings, OnlyAFontBlockOfExactlySixtyBytesNamesAFont) {
    TransparentLabelSettingStore store(FormSettings());
    for (size_t size : {0u, 59u, 61u}) {
        std::vector<uint8_t> block = ResultFontBlock(FW_NORMAL);
        block.resize(size);
        store.Store(kFontSetting, block);
        EXPECT_EQ(store.Font(), nullptr) << size << " bytes";
    }
    store.Store(kFontSetting, ResultFontBlock(FW_NORMAL));
    ASSERT_NE(store.Font(), nullptr);
    EXPECT_EQ(store.Font()->lfWeight, FW_NORMAL);
}

TEST(ResultLabelSettings, RefuseUnknownIndexesAndValuesOfTheWrongKind) {
    TransparentLabelSettingStore store(FormSettings());
    EXPECT_FALSE(store.Store(7, 1));
    EXPECT_FALSE(store.Store(-1, std::string("x")));
    EXPECT_FALSE(store.Store(kCaptionSetting, 12));
    EXPECT_FALSE(store.Store(kTextEffectSetting, std::string("3")));
    EXPECT_FALSE(store.Store(kFontSetting, std::string("font")));
    EXPECT_EQ(store.Caption(), "");
    EXPECT_EQ(store.TextEffect(), 0);
    EXPECT_NE(store.Font(), nullptr);
    EXPECT_FALSE(store.Get(7).has_value());
    EXPECT_FALSE(store.Get(-1).has_value());
}

TEST(ResultLabelSettings, ClampedValuesDrawLikeTheValueTheyBecome) {
    struct Case {
        int32_t index;
        int32_t given;
        int32_t stored;
    };
    const Case cases[] = {
        {kTextEffectSetting, 5, 3},
        {kTextEffectSetting, -2, 0},
        {kHorizontalAlignmentSetting, -1, 0},
        {kHorizontalAlignmentSetting, 7, 2},
        {kVerticalAlignmentSetting, -3, 0},
        {kVerticalAlignmentSetting, 3, 2},
        {kWordWrapSetting, 2, 0},
    };
    Scenario scenario;
    scenario
        .Check([&](Screen& screen) {
            TransparentLabel* label = ResultLabel();
            ASSERT_NE(label, nullptr);
            label->SetSetting(kCaptionSetting, std::string("7"));
            for (const Case& test : cases) {
                SCOPED_TRACE("index " + std::to_string(test.index) + " set to " +
                             std::to_string(test.given));
                label->SetSetting(test.index, test.given);
                DispatchWaitingMessages();
                const Capture given = CaptureArea(screen, kResultArea);
                if (test.index != kWordWrapSetting) {
                    EXPECT_EQ(*label->GetSetting(test.index), LabelSettingValue(test.stored));
                }
                label->SetSetting(test.index, test.stored);
                DispatchWaitingMessages();
                const Capture stored = CaptureArea(screen, kResultArea);
                EXPECT_EQ(DifferingPixels(stored, given), 0u) << DescribeDifference(stored, given);
            }
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

TEST(ResultLabelSettings, TheCaptionBecomesTheWindowTextAndSetResultTextSetsIt) {
    Scenario scenario;
    scenario
        .Check([](Screen& screen) {
            TransparentLabel* label = ResultLabel();
            ASSERT_NE(label, nullptr);
            label->SetSetting(kCaptionSetting, std::string("中奖"));
            EXPECT_EQ(screen.Text(label->Handle()), "中奖");
            EXPECT_EQ(label->Caption(), "中奖");
        })
        .Click(kEntryCentre.x, kEntryCentre.y)
        .Type("1")
        .Click(kDrawButtonCentre.x, kDrawButtonCentre.y)
        .Check([](Screen& screen) {
            TransparentLabel* label = ResultLabel();
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(screen.Text(label->Handle()), "1") << "a draw from one person";
            EXPECT_EQ(*label->GetSetting(kCaptionSetting), LabelSettingValue(std::string("1")));
            EXPECT_TRUE(HasRedPixel(screen, kResultArea));
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

}  // namespace
}  // namespace quorvane::testing
