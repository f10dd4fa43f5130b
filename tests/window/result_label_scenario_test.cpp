// The result label on the headless screen with the real program: nothing before the first draw,
// no trace of an earlier number, the repaint after every setting, a long number drawn whole and
// inside the label, the black copy of text effect 3, and clicks that do nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/testing/scenario.h"
#include "tests/window/result_label_support.h"
#include "app/shell.h"
#include "window/form.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF GroupBackground(Screen& screen) {
    return screen.Pixel(kGroupBackgroundPoint.x, kGroupBackgroundPoint.y);
}

// Sets the setting and lets the waiting paints run, as the message loop would once the draw's
// handler returns: the label's own last paint comes only then.
void Set(int32_t index, const LabelSettingValue& value) {
    if (TransparentLabel* label = ResultLabel()) {
        label->SetSetting(index, value);
    }
    DispatchWaitingMessages();
}

// Red where the text covers the pixel (nearly) wholly, whatever lies under it: the smoothed edge
// of a glyph lets a little of a black copy below through, but never turns the pixel dark.
bool IsRed(COLORREF pixel) {
    return GetRValue(pixel) >= 200 && GetGValue(pixel) <= 20 && GetBValue(pixel) <= 20;
}

Capture LabelArea(Screen& screen) {
    return CaptureArea(screen, kResultArea);
}

// Runs the program, calls each check as one step, then closes the window with Esc.
void RunProgramWith(const std::vector<std::function<void(Screen&)>>& checks) {
    Scenario scenario;
    for (const auto& check : checks) {
        scenario.Check(check);
    }
    scenario.Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

// Paints the label's client area black through its own DC, as stale pixels would look.
void Scribble() {
    HWND label = ControlHandle(kResultLabel);
    HDC dc = ::GetDC(label);
    RECT client;
    ::GetClientRect(label, &client);
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::ReleaseDC(label, dc);
}

TEST(ResultLabel, BeforeTheFirstDrawOnlyTheGroupBoxInsideShows) {
    RunProgramWith({[](Screen& screen) {
        const Ink ink = InkOf(CaptureArea(screen, kGroupInside), GroupBackground(screen));
        EXPECT_EQ(ink.count, 0) << "pixels other than the group box's inside at "
                                << Describe(ink.box);
        EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "");
    }});
}

TEST(ResultLabel, TwelveAfterSevenLooksExactlyLikeTwelveAlone) {
    Capture twelveAlone;
    RunProgramWith({[&](Screen& screen) {
        Set(kCaptionSetting, std::string("12"));
        twelveAlone = CaptureArea(screen, kGroupInside);
    }});

    RunProgramWith({[&](Screen& screen) {
        Set(kCaptionSetting, std::string("7"));
        EXPECT_TRUE(HasRedPixel(screen, kResultArea)) << "7 is drawn";
        Set(kCaptionSetting, std::string("12"));
        const Capture after = CaptureArea(screen, kGroupInside);
        EXPECT_EQ(DifferingPixels(after, twelveAlone), 0u)
            << "pixels of the 7 remain beside the 12: " << DescribeDifference(after, twelveAlone);
        EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "12");
    }});
}

TEST(ResultLabel, TwelveIsRedBoldAndCentred) {
    RunProgramWith({[](Screen& screen) {
        const COLORREF background = GroupBackground(screen);
        Set(kCaptionSetting, std::string("12"));
        const Capture centred = LabelArea(screen);
        const Ink ink = InkOf(centred, background);
        ASSERT_GT(ink.count, 0) << "12 is drawn";
        int red = 0;
        for (COLORREF pixel : centred.pixels) {
            red += pixel == kRed ? 1 : 0;
        }
        EXPECT_GT(red, ink.count / 2) << "most of the ink is pure red";

        Set(kHorizontalAlignmentSetting, 0);
        const Ink left = InkOf(LabelArea(screen), background);
        Set(kHorizontalAlignmentSetting, 2);
        const Ink right = InkOf(LabelArea(screen), background);
        EXPECT_NEAR(ink.box.left, (left.box.left + right.box.left) / 2.0, 1.0)
            << "centred between left " << Describe(left.box) << " and right " << Describe(right.box)
            << ", drawn at " << Describe(ink.box);

        Set(kHorizontalAlignmentSetting, 1);
        Set(kFontSetting, ResultFontBlock(FW_NORMAL));
        const Ink regular = InkOf(LabelArea(screen), background);
        EXPECT_GT(ink.count, regular.count * 11 / 10)
            << "bold strokes cover more than regular ones";
    }});
}

TEST(ResultLabel, EverySettingRepaintsTheAreaEvenWhenNothingChanges) {
    struct Case {
        const char* what;
        int32_t index;
        LabelSettingValue value;
    };
    const Case cases[] = {
        {"the same caption again", kCaptionSetting, std::string("12")},
        {"the same colour again", kTextColourSetting, static_cast<int32_t>(0x0000FF)},
        {"an index above 6", 7, 0},
        {"a value of the wrong kind", kTextEffectSetting, std::string("3")},
    };
    for (const Case& repeat : cases) {
        SCOPED_TRACE(repeat.what);
        RunProgramWith({[&](Screen& screen) {
            Set(kCaptionSetting, std::string("12"));
            const Capture before = CaptureArea(screen, kGroupInside);
            Scribble();
            ASSERT_EQ(screen.Pixel(kResultArea.left + 1, kResultArea.top + 1), kBlack)
                << "the scribble shows";
            Set(repeat.index, repeat.value);
            const Capture after = CaptureArea(screen, kGroupInside);
            EXPECT_EQ(DifferingPixels(after, before), 0u)
                << "the area behind the label and its text are painted again: "
                << DescribeDifference(after, before);
        }});
    }
}

TEST(ResultLabel, AnEmptyCaptionClearsTheAreaToTheGroupBox) {
    RunProgramWith({[](Screen& screen) {
        const Capture empty = CaptureArea(screen, kGroupInside);
        Set(kCaptionSetting, std::string("852"));
        Set(kCaptionSetting, std::string(""));
        const Capture cleared = CaptureArea(screen, kGroupInside);
        EXPECT_EQ(DifferingPixels(cleared, empty), 0u) << DescribeDifference(cleared, empty);
        EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "");
    }});
}

TEST(ResultLabel, NumbersWiderThanTheLabelAreDrawnWholeInsideItAndAligned) {
    // At full size "7" fits, and each bold digit is about half the character height wide, so
    // three digits no longer fit the 240 pixels.
    RunProgramWith({[](Screen& screen) {
        const COLORREF background = GroupBackground(screen);
        Set(kCaptionSetting, std::string("7"));
        const Ink seven = InkOf(LabelArea(screen), background);
        EXPECT_GT(seven.box.bottom - seven.box.top, 120) << "a fitting text keeps its full size";

        for (const char* number : {"852", "1234567890"}) {
            for (int32_t alignment : {0, 1, 2}) {
                SCOPED_TRACE(std::string(number) + " aligned " + std::to_string(alignment));
                Set(kHorizontalAlignmentSetting, alignment);
                Set(kCaptionSetting, std::string(number));
                const Capture inside = CaptureArea(screen, kGroupInside);
                EXPECT_EQ(InkOutside(inside, kResultArea, background), 0)
                    << "nothing is drawn outside the label";
                const Ink ink = InkOf(inside, background);
                const int leftGap = ink.box.left - kResultArea.left;
                const int rightGap = kResultArea.right - ink.box.right;
                EXPECT_GT(leftGap, 0) << "cut at the left: ink at " << Describe(ink.box);
                EXPECT_GT(rightGap, 0) << "cut at the right: ink at " << Describe(ink.box);
                EXPECT_GT(ink.box.right - ink.box.left, 200) << "as large as fits";
                if (alignment == 0) {
                    EXPECT_LT(leftGap, 20) << "left aligned";
                } else if (alignment == 2) {
                    EXPECT_LT(rightGap, 20) << "right aligned";
                } else {
                    EXPECT_NEAR(leftGap, rightGap, 20) << "centred";
                }
            }
        }
    }});
}

TEST(ResultLabel, TextEffectThreePutsABlackCopyTwoPixelsRightAndDown) {
    RunProgramWith({[](Screen& screen) {
        const COLORREF background = GroupBackground(screen);
        Set(kCaptionSetting, std::string("7"));
        const Capture plain = LabelArea(screen);
        Set(kTextEffectSetting, 3);
        const Capture shadowed = LabelArea(screen);

        int shadowOnly = 0;
        int misplacedBlack = 0;
        int redLost = 0;
        for (int y = kResultArea.top; y < kResultArea.bottom; ++y) {
            for (int x = kResultArea.left; x < kResultArea.right; ++x) {
                const bool twoBackInside = x - 2 >= kResultArea.left && y - 2 >= kResultArea.top;
                const bool coveredTwoBack = plain.At(x - 2, y - 2, background) == kRed;
                if (coveredTwoBack && plain.At(x, y, background) == background) {
                    ++shadowOnly;
                    EXPECT_EQ(shadowed.At(x, y, background), kBlack) << "at " << x << ", " << y;
                }
                if (twoBackInside && shadowed.At(x, y, background) == kBlack &&
                    plain.At(x - 2, y - 2, background) == background) {
                    ++misplacedBlack;
                }
                if (plain.At(x, y, background) == kRed && !IsRed(shadowed.At(x, y, background))) {
                    ++redLost;
                }
            }
        }
        EXPECT_GT(shadowOnly, 100) << "the copy shows beside the text";
        EXPECT_EQ(misplacedBlack, 0) << "black pixels away from the copy's place";
        EXPECT_EQ(redLost, 0) << "the text is drawn over the copy";

        Set(kTextEffectSetting, 5);
        const Capture five = LabelArea(screen);
        EXPECT_EQ(DifferingPixels(five, shadowed), 0u)
            << "text effect 5 draws as 3: " << DescribeDifference(five, shadowed);
    }});
}

TEST(ResultLabel, WordWrapWithBottomAlignmentStartsAtTheTop) {
    RunProgramWith({[](Screen& screen) {
        Set(kCaptionSetting, std::string("7"));
        Set(kVerticalAlignmentSetting, 0);
        const Capture top = LabelArea(screen);
        Set(kVerticalAlignmentSetting, 2);
        const Capture bottom = LabelArea(screen);
        Set(kWordWrapSetting, 1);
        const Capture wrapped = LabelArea(screen);
        EXPECT_EQ(DifferingPixels(wrapped, top), 0u)
            << "word wrap draws from the top: " << DescribeDifference(wrapped, top);
        EXPECT_NE(DifferingPixels(wrapped, bottom), 0u)
            << DescribeDifference(wrapped, bottom) << "the bottom alignment differs from the top";
    }});
}

TEST(ResultLabel, AFontBlockOfFiftyNineBytesGivesTheDefaultGuiFont) {
    RunProgramWith({[](Screen& screen) {
        const COLORREF background = GroupBackground(screen);
        Set(kCaptionSetting, std::string("7"));
        Set(kFontSetting, std::vector<uint8_t>{});
        const Capture defaultFont = LabelArea(screen);
        std::vector<uint8_t> block = ResultFontBlock();
        block.pop_back();
        Set(kFontSetting, block);
        const Capture short59 = LabelArea(screen);
        EXPECT_EQ(DifferingPixels(short59, defaultFont), 0u)
            << DescribeDifference(short59, defaultFont);
        const Ink ink = InkOf(short59, background);
        EXPECT_GT(ink.count, 0);
        EXPECT_LT(ink.box.bottom - ink.box.top, 16)
            << "a 12-pixel face, drawn at " << Describe(ink.box);
        const auto stored = ResultLabel()->GetSetting(kFontSetting);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(std::get<std::vector<uint8_t>>(*stored).size(), 59u) << "stored as given";
    }});
}

TEST(ResultLabel, ClicksAndDoubleClicksOnTheLabelDoNothing) {
    const POINT centre{(kResultArea.left + kResultArea.right) / 2,
                       (kResultArea.top + kResultArea.bottom) / 2};
    Capture before;
    Scenario scenario;
    scenario
        .Check([&](Screen& screen) {
            Set(kCaptionSetting, std::string("7"));
            before = CaptureArea(screen, kGroupInside);
            EXPECT_EQ(screen.WindowAt(centre.x, centre.y), ControlHandle(kResultLabel))
                << "the clicks reach the label";
        })
        .Click(centre.x, centre.y)
        .Click(centre.x, centre.y)
        .Click(centre.x, centre.y, layer::testing::MouseButton::Right)
        .Check([&](Screen& screen) {
            EXPECT_EQ(screen.Focus(), ControlHandle(kHeadCountEntry)) << "the entry keeps it";
            EXPECT_EQ(screen.Text(ControlHandle(kResultLabel)), "7");
            const Capture after = CaptureArea(screen, kGroupInside);
            EXPECT_EQ(DifferingPixels(after, before), 0u) << DescribeDifference(after, before);
        })
        .Key(VK_ESCAPE);
    scenario.Run([] { RunWithExitHook(); });
}

}  // namespace
}  // namespace quorvane::testing
