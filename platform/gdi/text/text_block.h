// DrawTextA's layout: prefix ampersands, line ends, tab expansion and word breaking turn a GBK
// text into lines of glyphs, each with its width and the characters its prefixes underline.
#pragma once

#include <string_view>
#include <vector>

#include "platform/api/types.h"
#include "platform/gdi/text/realized_font.h"
#include "platform/gdi/text/text_painter.h"

namespace layer::text {

// A character that a prefix ampersand marks: where its advance starts on the line and how wide.
struct PrefixMark {
    int x = 0;
    int width = 0;
};

struct TextLine {
    TextRun run;
    std::vector<PrefixMark> marks;
};

struct TextBlock {
    std::vector<TextLine> lines;
    int width = 0;  // the widest line
};

// Lays out text for DrawTextA's `format` (DT_SINGLELINE, DT_WORDBREAK, DT_EXPANDTABS,
// DT_NOPREFIX, DT_HIDEPREFIX, DT_PREFIXONLY are read). `wrapWidth` is the width of the rectangle,
// used only with DT_WORDBREAK. An empty text gives one empty line.
TextBlock LayOutBlock(const RealizedFont& font, std::string_view text, UINT format, int wrapWidth);

}  // namespace layer::text
