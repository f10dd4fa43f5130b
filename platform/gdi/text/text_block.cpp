// Lines for DrawTextA. Prefixes are resolved first, on the whole text, so that an ampersand
// never counts in a line's width; line ends and word breaks then cut the characters into lines.
#include "platform/gdi/text/text_block.h"

#include <algorithm>

#include "platform/api/text.h"
#include "platform/gdi/text/ansi_characters.h"

namespace layer::text {
namespace {

enum class ItemKind { Glyph, Space, Tab, CarriageReturn, LineFeed };

// One character after prefix resolution.
struct Item {
    ItemKind kind = ItemKind::Glyph;
    bool doubleByte = false;
    bool marked = false;  // underlined by a prefix
    std::shared_ptr<const Glyph> glyph;
};

constexpr int kTabStopCharacters = 8;

std::vector<Item> ResolvePrefixes(const RealizedFont& font, std::string_view text, UINT format) {
    const bool prefixes = !(format & DT_NOPREFIX);
    const bool singleLine = format & DT_SINGLELINE;
    const bool expandTabs = format & DT_EXPANDTABS;
    const auto characters = SplitAnsiCharacters(text);
    std::vector<Item> items;
    items.reserve(characters.size());
    bool markNext = false;
    for (size_t i = 0; i < characters.size(); ++i) {
        const char32_t codePoint = characters[i].codePoint;
        if (prefixes && codePoint == '&' && !markNext && i + 1 < characters.size()) {
            // "&&" draws one ampersand; "&x" underlines x. A final "&" is drawn as it is.
            if (characters[i + 1].codePoint == '&') {
                ++i;
            } else {
                markNext = true;
                continue;
            }
        }
        Item item;
        item.marked = markNext;
        markNext = false;
        item.doubleByte = characters[i].length == 2;
        if (codePoint == '\t' && expandTabs) {
            item.kind = ItemKind::Tab;
        } else if (codePoint == '\r' && !singleLine) {
            item.kind = ItemKind::CarriageReturn;
        } else if (codePoint == '\n' && !singleLine) {
            item.kind = ItemKind::LineFeed;
        } else {
            item.kind = codePoint == ' ' ? ItemKind::Space : ItemKind::Glyph;
            item.glyph = font.GlyphFor(codePoint);
        }
        items.push_back(std::move(item));
    }
    return items;
}

class LineBuilder {
  public:
    LineBuilder(const RealizedFont& font, UINT format)
        : tabWidth_(std::max(font.Metrics().averageCharWidth, 1) * kTabStopCharacters),
          hidePrefix_((format & DT_HIDEPREFIX) != 0) {}

    // Builds a line from items [first, last).
    TextLine Build(const std::vector<Item>& items, size_t first, size_t last) const {
        TextLine line;
        int x = 0;
        for (size_t i = first; i < last; ++i) {
            const int advance = AdvanceAt(items[i], x);
            if (items[i].marked && !hidePrefix_) {
                line.marks.push_back({x, advance});
            }
            line.run.glyphs.push_back(items[i].kind == ItemKind::Tab ? nullptr : items[i].glyph);
            line.run.advances.push_back(advance);
            x += advance;
        }
        line.run.width = x;
        return line;
    }

    // A tab advances to the next stop, every eight average character widths from the line's
    // start.
    int AdvanceAt(const Item& item, int x) const {
        if (item.kind == ItemKind::Tab) {
            return (x / tabWidth_ + 1) * tabWidth_ - x;
        }
        return item.glyph != nullptr ? item.glyph->advance : 0;
    }

  private:
    int tabWidth_;
    bool hidePrefix_;
};

bool EndsLine(ItemKind kind) {
    return kind == ItemKind::CarriageReturn || kind == ItemKind::LineFeed;
}

// Skips one line end: CR LF, CR or LF.
size_t SkipLineEnd(const std::vector<Item>& items, size_t index) {
    if (items[index].kind == ItemKind::CarriageReturn && index + 1 < items.size() &&
        items[index + 1].kind == ItemKind::LineFeed) {
        return index + 2;
    }
    return index + 1;
}

}  // namespace

TextBlock LayOutBlock(const RealizedFont& font, std::string_view text, UINT format, int wrapWidth) {
    const std::vector<Item> items = ResolvePrefixes(font, text, format);
    const LineBuilder builder(font, format);
    const bool wordBreak = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    TextBlock block;
    size_t start = 0;
    while (true) {
        // Walk one line: up to a line end, or up to the last break that keeps it within the
        // width. A word wider than the width stays whole on its own line.
        size_t end = start;
        size_t breakEnd = start;   // where the line would end at the last break opportunity
        size_t breakNext = start;  // where the next line would start then
        int x = 0;
        bool broken = false;
        while (end < items.size() && !EndsLine(items[end].kind)) {
            const Item& item = items[end];
            if (wordBreak && item.doubleByte && end > start &&
                items[end - 1].kind != ItemKind::Space) {
                breakEnd = end;  // a double-byte character may start a line
                breakNext = end;
            }
            const int advance = builder.AdvanceAt(item, x);
            if (wordBreak && item.kind != ItemKind::Space && x + advance > wrapWidth &&
                breakEnd > start) {
                broken = true;
                break;
            }
            if (wordBreak && item.kind == ItemKind::Space) {
                breakEnd = end;
                breakNext = end + 1;
            }
            x += advance;
            ++end;
            if (wordBreak && item.doubleByte) {
                breakEnd = end;  // and may end one
                breakNext = end;
            }
        }
        if (broken) {
            block.lines.push_back(builder.Build(items, start, breakEnd));
            start = breakNext;
            while (start < items.size() && items[start].kind == ItemKind::Space) {
                ++start;
            }
            continue;
        }
        block.lines.push_back(builder.Build(items, start, end));
        if (end >= items.size()) {
            break;
        }
        start = SkipLineEnd(items, end);
        if (start >= items.size()) {
            break;
        }
    }
    for (const TextLine& line : block.lines) {
        block.width = std::max(block.width, line.run.width);
    }
    return block;
}

}  // namespace layer::text
