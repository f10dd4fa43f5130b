// Tests of the draw command against a recording host: the order of its steps, the prompt for
// an empty entry, the two readings of a filled entry, and the number shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "clock_fixture.h"
#include "draw/draw.h"
#include "draw/seed_offset.h"

namespace {

// The prompt and its caption as the message box receives them: GBK bytes.
const std::string kPromptBytes =
    "\xC4\xE3\xBB\xB9\xC3\xBB\xCA\xE4\xC8\xEB\xC8\xCB\xCA\xFD\xA3\xA1";  // 你还没输入人数！
const std::string kCaptionBytes = "\xD0\xC5\xCF\xA2\xA3\xBA";            // 信息：
constexpr uint32_t kPromptStyle = 0x00002000;

// Records every call in order and answers readings from a queue of entry texts; once the queue
// is down to one text, that text stays, as a real entry keeps its text.
class RecordingHost : public draw::DrawHost {
  public:
    explicit RecordingHost(std::deque<std::optional<std::string>> entryTexts)
        : entryTexts_(std::move(entryTexts)) {}

    std::optional<std::string> ReadEntryText() override {
        calls.push_back("read");
        std::optional<std::string> text = entryTexts_.front();
        if (entryTexts_.size() > 1) {
            entryTexts_.pop_front();
        }
        return text;
    }
    void ShowMessageBox(const std::string& text, const std::string& caption,
                        uint32_t style) override {
        calls.push_back("message box");
        messageText = text;
        messageCaption = caption;
        messageStyle = style;
    }
    void FocusEntry() override { calls.push_back("focus"); }
    void SetResultText(const std::string& text) override {
        calls.push_back("result " + text);
        results.push_back(text);
    }

    std::vector<std::string> calls;
    std::vector<std::string> results;
    std::string messageText;
    std::string messageCaption;
    uint32_t messageStyle = 0;

  private:
    std::deque<std::optional<std::string>> entryTexts_;
};

using DrawCommand = DrawClockTest;

TEST_F(DrawCommand, PromptsForAnEmptyEntryAndPutsTheFocusBack) {
    const std::optional<std::string> emptyEntries[] = {
        std::nullopt, std::string(),
        std::string("\0"
                    "12",
                    3),  // the first byte ends the text
    };
    for (const std::optional<std::string>& entry : emptyEntries) {
        SCOPED_TRACE(entry ? "entry of " + std::to_string(entry->size()) + " bytes" : "no text");
        ticks = 1000;
        const uint32_t offsetBefore = draw::SeedOffset();
        RecordingHost host({entry});
        draw::RunDrawCommand(host);
        EXPECT_EQ(host.calls, (std::vector<std::string>{"read", "message box", "focus"}));
        EXPECT_EQ(host.messageText, kPromptBytes);
        EXPECT_EQ(host.messageCaption, kCaptionBytes);
        EXPECT_EQ(host.messageStyle, kPromptStyle);
        EXPECT_GE(draw::SeedOffset() - offsetBefore, 100u) << "the click did not seed the draw";
    }
}

TEST_F(DrawCommand, ShowsTheWorkedDrawsOfTwoClicksInOneMillisecond) {
    ticks = 1000;
    RecordingHost host({std::string("10")});
    draw::RunDrawCommand(host);
    draw::RunDrawCommand(host);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"read", "read", "result 5", "read", "read", "result 9"}));
    EXPECT_EQ(draw::SeedOffset(), 484u);
}

TEST_F(DrawCommand, SeedsEvenWhenTheEntryIsEmpty) {
    // The empty click moves the offset to 332, so the next click draws as the table's second row.
    ticks = 1000;
    RecordingHost host({std::nullopt, std::string("10")});
    draw::RunDrawCommand(host);
    draw::RunDrawCommand(host);
    EXPECT_EQ(host.results, std::vector<std::string>{"9"});
}

TEST_F(DrawCommand, DrawsFromOneToTheHeadCount) {
    const struct {
        std::string entry;
        int32_t lowest;
        int32_t highest;
    } cases[] = {
        {" ", 0, 1},
        {"1", 1, 1},
        {"abc", 0, 1},
        {"-5", 0, 1},
        {"\xA3\xB1\xA3\xB0", 1, 10},  // full-width 10
        {"2", 1, 2},
        {"40000", 1, 40000},
    };
    for (const auto& c : cases) {
        int32_t lowestSeen = std::numeric_limits<int32_t>::max();
        int32_t highestSeen = std::numeric_limits<int32_t>::min();
        for (uint32_t tick = 0; tick < 3000; ++tick) {
            ticks = tick * 7919;
            RecordingHost host({c.entry});
            draw::RunDrawCommand(host);
            ASSERT_EQ(host.results.size(), 1u) << "entry \"" << c.entry << "\"";
            const int32_t shown = draw::ParseHeadCount(host.results.front().c_str());
            ASSERT_EQ(draw::FormatDecimal(shown), host.results.front());
            lowestSeen = std::min(lowestSeen, shown);
            highestSeen = std::max(highestSeen, shown);
        }
        if (c.highest <= 10) {
            EXPECT_EQ(lowestSeen, c.lowest) << "entry \"" << c.entry << "\"";
            EXPECT_EQ(highestSeen, c.highest) << "entry \"" << c.entry << "\"";
        } else {
            EXPECT_GE(lowestSeen, c.lowest) << "entry \"" << c.entry << "\"";
            // Among 40000, numbers above 32768 come up; the old mapping never showed them.
            EXPECT_GT(highestSeen, 32768) << "entry \"" << c.entry << "\"";
            EXPECT_LE(highestSeen, c.highest) << "entry \"" << c.entry << "\"";
        }
    }
}

TEST_F(DrawCommand, UsesTheSecondReadingForTheHeadCount) {
    // The entry changes between the two readings: the check sees "1", the draw sees "1000000".
    ticks = 1000;
    RecordingHost changed({std::string("1"), std::string("1000000")});
    draw::RunDrawCommand(changed);
    EXPECT_EQ(changed.calls, (std::vector<std::string>{"read", "read", "result 273694"}));

    // A second reading that yields no text counts as the empty text: head count 0, draw 0 or 1.
    draw::SetSeedOffset(0);
    RecordingHost vanished({std::string("10"), std::nullopt});
    draw::RunDrawCommand(vanished);
    EXPECT_EQ(vanished.calls, (std::vector<std::string>{"read", "read", "result 0"}));
}

}  // namespace
