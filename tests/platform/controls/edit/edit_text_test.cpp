// The edit control's text layout: character boundaries in code page 936, positions, and that a
// change laid out incrementally gives exactly the layout of the whole text laid out afresh.
#include "platform/user/controls/edit/edit_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace layer::user::edit {
namespace {

// Single bytes are 6 pixels wide, double-byte characters 12, and the lone lead byte 0x81 is 5,
// so that a wrong split shows in the positions.
int FixedWidth(std::string_view character) {
    if (character.size() == 2) {
        return 12;
    }
    return static_cast<unsigned char>(character[0]) == 0x81 ? 5 : 6;
}

EditText Laid(const std::string& bytes) {
    EditText text;
    text.SetMeasure(FixedWidth);
    text.Assign(bytes);
    return text;
}

// Every byte's boundary flag and every boundary's position, for comparing two layouts.
std::string Describe(const EditText& text) {
    std::string out;
    for (size_t offset = 0; offset <= text.Size(); ++offset) {
        if (text.IsBoundary(offset)) {
            out += std::to_string(offset) + "@" + std::to_string(text.XOf(offset)) + " ";
        }
    }
    return out;
}

const std::string kZhong = "\xD6\xD0";  // 中
const std::string kJiang = "\xBD\xB1";  // 奖

TEST(EditTextTest, DoubleByteCharactersAreOneStepWide) {
    EditText text = Laid("a" + kZhong + "1" + kJiang);
    EXPECT_EQ(Describe(text), "0@0 1@6 3@18 4@24 6@36 ");
    EXPECT_EQ(text.NextBoundary(1), 3u);
    EXPECT_EQ(text.PreviousBoundary(6), 4u);
    EXPECT_EQ(text.Snap(2), 1u) << "an offset inside a character snaps to its start";
    EXPECT_EQ(text.Snap(99), 6u);
    EXPECT_EQ(text.BoundaryNearest(10), 1u);
    EXPECT_EQ(text.BoundaryNearest(13), 3u);
    EXPECT_EQ(text.BoundaryNearest(-5), 0u);
    EXPECT_EQ(text.BoundaryNearest(500), 6u);
    EXPECT_EQ(text.BoundaryAtOrBefore(17), 1u);
}

TEST(EditTextTest, ALeadByteBeforeAByteThatCannotTrailStandsAlone) {
    EditText text = Laid(
        "\x81\x1F"
        "a\x81");
    EXPECT_EQ(Describe(text), "0@0 1@5 2@11 3@17 4@22 ");
}

struct Change {
    std::string before;
    size_t start;
    size_t end;
    std::string inserted;
};

class IncrementalLayoutTest : public ::testing::TestWithParam<Change> {};

TEST_P(IncrementalLayoutTest, MatchesAFreshLayout) {
    const Change& change = GetParam();
    EditText text = Laid(change.before);
    text.Replace(change.start, change.end, change.inserted);
    std::string expected = change.before;
    expected.replace(change.start, change.end - change.start, change.inserted);
    EXPECT_EQ(text.Bytes(), expected);
    EXPECT_EQ(Describe(text), Describe(Laid(expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, IncrementalLayoutTest,
    ::testing::Values(Change{"", 0, 0, "abc"}, Change{"abc", 3, 3, kZhong},
                      Change{"a" + kZhong + "b", 1, 3, "xy"}, Change{"abc", 0, 3, ""},
                      Change{"abc" + kJiang, 1, 1, kZhong + kZhong},
                      // A lone lead byte at the end pairs with a trail byte typed after it.
                      Change{"ab\x81", 3, 3, "A"},
                      // Removing the byte between a lead byte and a possible trail joins them.
                      Change{"\x81"
                             "\x1F"
                             "Az",
                             1, 2, ""},
                      // Inserting between them splits the pair apart again.
                      Change{"x\x81\x1F"
                             "A",
                             2, 2, "\x1F"}));

TEST(EditTextTest, WordsAreRunsOfNonBlanksOrOfBlanks) {
    EditText text = Laid("ab  " + kZhong + "c d");
    EXPECT_EQ(text.WordAt(1), std::make_pair(size_t{0}, size_t{2}));
    EXPECT_EQ(text.WordAt(3), std::make_pair(size_t{2}, size_t{4}));
    EXPECT_EQ(text.WordAt(5), std::make_pair(size_t{4}, size_t{7})) << "inside 中";
    EXPECT_EQ(text.WordAt(9), std::make_pair(size_t{8}, size_t{9})) << "at the end";
    EXPECT_EQ(Laid("").WordAt(0), std::make_pair(size_t{0}, size_t{0}));
}

TEST(EditTextTest, ChangingTheMeasureLaysTheTextOutAgain) {
    EditText text = Laid("ab");
    text.SetMeasure([](std::string_view) { return 10; });
    EXPECT_EQ(text.Width(), 20);
}

}  // namespace
}  // namespace layer::user::edit
