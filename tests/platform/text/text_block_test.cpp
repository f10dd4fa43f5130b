// DrawTextA's layout: prefixes, line ends, tabs and word breaking, with widths measured on the
// same face by the reference implementation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/api/text.h"
#include "platform/gdi/text/realized_font.h"
#include "platform/gdi/text/text_block.h"

namespace {

using layer::text::LayOutBlock;
using layer::text::RealizedFont;
using layer::text::TextBlock;

std::shared_ptr<const RealizedFont> GuiFont() {
    LOGFONTA logFont{};
    logFont.lfHeight = -12;
    logFont.lfWeight = 400;
    logFont.lfCharSet = 134;
    return RealizedFont::Realize(logFont);
}

std::vector<int> LineWidths(const TextBlock& block) {
    std::vector<int> widths;
    for (const auto& line : block.lines) {
        widths.push_back(line.run.width);
    }
    return widths;
}

TEST(TextBlock, PrefixesUnderlineTheNextCharacterAndDoubleAmpersandsDrawOne) {
    const auto font = GuiFont();
    struct Case {
        const char* text;
        UINT format;
        int width;
        size_t marks;
    };
    const Case cases[] = {
        {"&ab", DT_SINGLELINE, 13, 1},
        {"a&&b", DT_SINGLELINE, 21, 0},
        {"&ab", DT_SINGLELINE | DT_NOPREFIX, 21, 0},
        {"ab&", DT_SINGLELINE, 21, 0},  // a final ampersand is drawn
        {"&ab", DT_SINGLELINE | DT_HIDEPREFIX, 13, 0},
        {"&&&a", DT_SINGLELINE, 14, 1},
    };
    for (const Case& c : cases) {
        const TextBlock block = LayOutBlock(*font, c.text, c.format, 1000);
        ASSERT_EQ(block.lines.size(), 1u) << c.text;
        EXPECT_EQ(block.width, c.width) << c.text << " format " << std::hex << c.format;
        EXPECT_EQ(block.lines[0].marks.size(), c.marks) << c.text;
    }
    const TextBlock marked = LayOutBlock(*font, "x&ab", DT_SINGLELINE, 1000);
    ASSERT_EQ(marked.lines[0].marks.size(), 1u);
    EXPECT_EQ(marked.lines[0].marks[0].x, LayOutBlock(*font, "x", 0, 1000).width);
    EXPECT_EQ(marked.lines[0].marks[0].width, LayOutBlock(*font, "a", 0, 1000).width);
}

TEST(TextBlock, WordBreakingFillsLinesUpToTheWidth) {
    const auto font = GuiFont();
    const TextBlock words = LayOutBlock(*font, "aaa bbb ccc dddddddddd e", DT_WORDBREAK, 40);
    EXPECT_EQ(LineWidths(words), (std::vector<int>{18, 21, 18, 70, 6}));
    EXPECT_EQ(words.width, 70) << "a word wider than the rectangle stays whole";

    // Double-byte characters break anywhere: three 12-pixel characters fit in 40.
    const TextBlock hanzi = LayOutBlock(*font, "你还没输入人数！", DT_WORDBREAK, 40);
    EXPECT_EQ(LineWidths(hanzi), (std::vector<int>{36, 36, 24}));

    const TextBlock longWord = LayOutBlock(*font, "abcdefghijklmnop", DT_WORDBREAK, 40);
    EXPECT_EQ(longWord.lines.size(), 1u);
    EXPECT_EQ(longWord.width, 96);

    // The spaces at a break start no line of their own.
    const TextBlock spaces = LayOutBlock(*font, "aaaaaa     bbbbbb", DT_WORDBREAK, 40);
    EXPECT_EQ(spaces.lines.size(), 2u);

    // Single-line text never wraps.
    EXPECT_EQ(LayOutBlock(*font, "aaa bbb ccc", DT_WORDBREAK | DT_SINGLELINE, 20).lines.size(), 1u);
}

TEST(TextBlock, LineEndsBreakLinesUnlessSingleLine) {
    const auto font = GuiFont();
    EXPECT_EQ(LineWidths(LayOutBlock(*font, "ab\r\ncd\nef", 0, 100)),
              (std::vector<int>{13, 13, 10}));
    EXPECT_EQ(LayOutBlock(*font, "ab\r\ncd\nef", DT_WORDBREAK, 100).lines.size(), 3u);
    EXPECT_EQ(LayOutBlock(*font, "ab\rcd", 0, 100).lines.size(), 2u);
    EXPECT_EQ(LayOutBlock(*font, "ab\r\ncd", DT_SINGLELINE, 100).lines.size(), 1u);
}

TEST(TextBlock, ExpandedTabsStopEveryEightAverageWidths) {
    const auto font = GuiFont();
    EXPECT_EQ(LayOutBlock(*font, "a\tb", DT_SINGLELINE | DT_EXPANDTABS, 100).width, 71);
    EXPECT_EQ(LayOutBlock(*font, "\t\tb", DT_SINGLELINE | DT_EXPANDTABS, 100).width, 135);
}

TEST(TextBlock, EmptyTextIsOneEmptyLine) {
    const TextBlock block = LayOutBlock(*GuiFont(), "", 0, 100);
    ASSERT_EQ(block.lines.size(), 1u);
    EXPECT_EQ(block.width, 0);
}

}  // namespace
