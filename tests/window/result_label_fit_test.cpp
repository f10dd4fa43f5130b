// The shrink-to-fit of the result label's text, in a memory DC: texts that fit keep their font,
// wider ones get the largest height at which they fit, prefix marks are not measured, and no
// font is left behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/testing/scenario.h"
#include "platform/win32.h"
#include "window/transparent_label_fit.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

constexpr int kLabelWidth = 240;

HFONT ResultFont(LONG height) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = PROOF_QUALITY;
    return ::CreateFontIndirectA(&font);
}

int Extent(HDC dc, HFONT font, const std::string& text) {
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    return size.cx;
}

LONG HeightOf(HFONT font) {
    LOGFONTA logical{};
    ::GetObjectA(font, sizeof(logical), &logical);
    return logical.lfHeight;
}

// Runs the body with a memory DC inside the headless host.
void WithMemoryDc(const std::function<void(HDC, Screen&)>& body) {
    Scenario scenario;
    scenario.Run([&] {
        HDC dc = ::CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        body(dc, scenario.OnScreen());
        ::DeleteDC(dc);
    });
}

TEST(ResultLabelFit, PrefixMarksAreNotPartOfTheShownText) {
    const struct {
        const char* given;
        const char* shown;
    } cases[] = {
        {"852", "852"}, {"&852", "852"}, {"8&&52", "8&52"},
        {"&&&8", "&8"}, {"85&", "85&"},  {"", ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(WithoutPrefixMarks(test.given), test.shown) << "given \"" << test.given << "\"";
    }
}

TEST(ResultLabelFit, TextsThatFitKeepTheirFont) {
    WithMemoryDc([](HDC dc, Screen&) {
        HFONT font = ResultFont(-213);
        for (const char* text : {"7", "", "&7"}) {
            EXPECT_EQ(CreateFontToFitWidth(dc, font, text, kLabelWidth), nullptr)
                << "\"" << text << "\" fits";
        }
        EXPECT_EQ(CreateFontToFitWidth(dc, font, "852", 0), nullptr) << "no width to fit";
        ::DeleteObject(font);
    });
}

TEST(ResultLabelFit, WiderTextsGetTheLargestHeightThatFits) {
    WithMemoryDc([](HDC dc, Screen&) {
        for (LONG fullHeight : {-213L, 213L}) {
            HFONT font = ResultFont(fullHeight);
            for (const char* text : {"852", "1234567890", "2147483647"}) {
                SCOPED_TRACE(std::string(text) + " at lfHeight " + std::to_string(fullHeight));
                ASSERT_GT(Extent(dc, font, text), kLabelWidth) << "wider than the label";
                HFONT fitted = CreateFontToFitWidth(dc, font, text, kLabelWidth);
                ASSERT_NE(fitted, nullptr);
                const LONG height = HeightOf(fitted);
                EXPECT_EQ(height < 0, fullHeight < 0) << "the kind of height stays";
                EXPECT_LE(Extent(dc, fitted, text), kLabelWidth) << "at height " << height;
                HFONT oneLarger = ResultFont(height < 0 ? height - 1 : height + 1);
                EXPECT_GT(Extent(dc, oneLarger, text), kLabelWidth)
                    << "height " << height << " is not the largest that fits";
                ::DeleteObject(oneLarger);
                ::DeleteObject(fitted);
            }
            ::DeleteObject(font);
        }
    });
}

TEST(ResultLabelFit, MarkedTextIsFittedAsItIsShown) {
    WithMemoryDc([](HDC dc, Screen&) {
        HFONT font = ResultFont(-213);
        HFONT plain = CreateFontToFitWidth(dc, font, "852", kLabelWidth);
        HFONT marked = CreateFontToFitWidth(dc, font, "&8&5&2", kLabelWidth);
        ASSERT_NE(plain, nullptr);
        ASSERT_NE(marked, nullptr);
        EXPECT_EQ(HeightOf(marked), HeightOf(plain));
        ::DeleteObject(plain);
        ::DeleteObject(marked);
        ::DeleteObject(font);
    });
}

TEST(ResultLabelFit, LeavesNoObjectAndTheDcAsItWas) {
    WithMemoryDc([](HDC dc, Screen& screen) {
        HFONT font = ResultFont(-213);
        HGDIOBJ selected = ::GetCurrentObject(dc, OBJ_FONT);
        const size_t objects = screen.LiveObjectCount();
        HFONT fitted = CreateFontToFitWidth(dc, font, "1234567890", kLabelWidth);
        EXPECT_EQ(screen.LiveObjectCount(), objects + 1) << "only the fitted font is new";
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), selected);
        ::DeleteObject(fitted);
        ::DeleteObject(font);
    });
}

TEST(ResultLabelFit, AFontThatCannotBeReadIsLeftAsItIs) {
    WithMemoryDc([](HDC dc, Screen&) {
        HFONT notAFont = reinterpret_cast<HFONT>(static_cast<INT_PTR>(0x4321));
        EXPECT_EQ(CreateFontToFitWidth(dc, notAFont, "1234567890", kLabelWidth), nullptr);
    });
}

}  // namespace
}  // namespace quorvane::testing
