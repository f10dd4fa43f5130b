// Code page 936: round trips of the program's texts, and what happens to bytes that do not convert.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/text/ansi_characters.h"
#include "platform/gdi/text/code_page.h"

namespace {

using layer::text::AnsiFromUtf8;
using layer::text::SplitAnsiCharacters;
using layer::text::Utf8FromAnsi;

// The program's texts. This file is compiled with GBK literals, so "..." holds GBK bytes while
// u8"..." keeps the UTF-8 form.
struct ProgramText {
    const char* gbk;
    const char8_t* utf8;
    size_t characters;
};

const ProgramText kProgramTexts[] = {
    {"抽 奖", u8"抽 奖", 3},
    {"中奖童鞋", u8"中奖童鞋", 4},
    {"总人数", u8"总人数", 3},
    {"位", u8"位", 1},
    {"你还没输入人数！", u8"你还没输入人数！", 8},
    {"信息：", u8"信息：", 3},
    {"错误", u8"错误", 2},
    {"运行时出错!", u8"运行时出错!", 6},
    {"载入启动窗口失败", u8"载入启动窗口失败", 8},
};

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(CodePage, ProgramTextsRoundTripThroughUtf8) {
    for (const ProgramText& text : kProgramTexts) {
        SCOPED_TRACE(Utf8(text.utf8));
        EXPECT_EQ(Utf8FromAnsi(text.gbk), Utf8(text.utf8));
        EXPECT_EQ(AnsiFromUtf8(Utf8(text.utf8)), std::string(text.gbk));
        EXPECT_EQ(SplitAnsiCharacters(text.gbk).size(), text.characters);
    }
}

TEST(CodePage, LiteralsAreGbkBytes) {
    EXPECT_EQ(std::string("抽"), std::string("\xB3\xE9"));
    EXPECT_EQ(std::string("位"), std::string("\xCE\xBB"));
}

// Every byte that does not convert becomes exactly one U+FFFD and the bytes after it keep their
// meaning.
TEST(CodePage, BadBytesBecomeOneReplacementEachWithoutShifting) {
    struct Case {
        const char* name;
        std::string ansi;
        std::string utf8;
    };
    const std::string replacement = "\xEF\xBF\xBD";
    const Case cases[] = {
        {"lone lead byte at the end", std::string("A\xB3"), "A" + replacement},
        {"0xFF between letters",
         std::string("a\xFF"
                     "b"),
         "a" + replacement + "b"},
        {"lead byte before a space", std::string("\xB3 \xB3\xE9"),
         replacement + " " + Utf8(u8"抽")},
        {"lead byte before a control", std::string("\xB3\x0A"), replacement + "\n"},
        {"unassigned pair",
         std::string("\xA2\xE3"
                     "x"),
         replacement + replacement + "x"},
        {"0x80 is the euro sign in this code page", std::string("\x80"), Utf8(u8"€")},
        {"lead byte before a lead pair", std::string("\xB3\xB3\xE9"), Utf8(u8"吵") + replacement},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8FromAnsi(c.ansi), c.utf8) << c.name;
    }
}

TEST(CodePage, Utf8WithoutGbkFormIsLeftOutAndTheRestKept) {
    EXPECT_EQ(AnsiFromUtf8("a\xF0\x9F\x98\x80"
                           "b") /* an emoji */,
              "ab");
    EXPECT_EQ(AnsiFromUtf8(Utf8(u8"抽") + "\xE0\xB8\x81" + Utf8(u8"奖")), std::string("抽奖"));
    EXPECT_EQ(AnsiFromUtf8("x\xC3y\xFFz"), "xyz");  // broken UTF-8 bytes are skipped
    EXPECT_EQ(AnsiFromUtf8(Utf8(u8"€")), "\x80");
    EXPECT_EQ(AnsiFromUtf8(""), "");
}

TEST(CodePage, CharactersCoverEveryByteInOrder) {
    const std::string ansi = "a\xB3\xE9\xFF\xB3 \x80\xB3";
    size_t expectedOffset = 0;
    for (const auto& character : SplitAnsiCharacters(ansi)) {
        EXPECT_EQ(character.offset, expectedOffset);
        expectedOffset += character.length;
    }
    EXPECT_EQ(expectedOffset, ansi.size());
}

}  // namespace
