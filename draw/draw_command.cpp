// The draw command run on each click of the draw button: seed, check the entry, parse the head
// count, draw from 1 to it and show the number; an empty entry brings the prompt instead.
#include <cstdint>
#include <optional>
#include <string>

#include "draw/draw.h"

namespace draw {
namespace {

// These literals are compiled to GBK, the bytes the message box shows.
constexpr const char* kPromptText = "你还没输入人数！";
constexpr const char* kPromptCaption = "信息：";
constexpr uint32_t kPromptStyle = 0x00002000;  // an OK button only, no icon, task-modal

// A missing text and a text whose first byte ends it both count as empty.
bool IsEmptyEntry(const std::optional<std::string>& text) {
    return !text.has_value() || text->c_str()[0] == '\0';
}

}  // namespace

void RunDrawCommand(DrawHost& host) {
    // Seeding comes first, so that even a click on an empty entry advances the seed offset.
    SeedFromClock();

    if (IsEmptyEntry(host.ReadEntryText())) {
        host.ShowMessageBox(kPromptText, kPromptCaption, kPromptStyle);
        host.FocusEntry();
        return;
    }

    // The entry is read again for the head count, as the first reading served only the check.
    const std::optional<std::string> entry = host.ReadEntryText();
    const int32_t headCount = ParseHeadCount(entry ? entry->c_str() : "");
    host.SetResultText(FormatDecimal(RandomInRange(1, headCount)));
}

}  // namespace draw
