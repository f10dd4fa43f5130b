// Measuring and painting runs of GBK text with a realised font onto a surface, clipped to a
// region: the one place where glyph advances are summed, so measuring and drawing agree.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/api/types.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/text/realized_font.h"

namespace layer::text {

// A run of text laid out on one line: each character's glyph (null for an expanded tab) and the
// pen advance after it.
struct TextRun {
    std::vector<std::shared_ptr<const Glyph>> glyphs;
    std::vector<int> advances;
    int width = 0;  // the sum of the advances
};

// Lays out GBK text; every byte is accounted for (bad bytes become replacement glyphs).
TextRun LayOutRun(const RealizedFont& font, std::string_view ansi);

// Paints the run with its pen starting at (x, baseline) in surface coordinates, in `pixel`
// (0x00RRGGBB), blending antialiased edges with what lies beneath. Underline and strike-out of
// the font are drawn along the run. Nothing outside `clip` is touched.
void PaintRun(gdi::Surface& surface, const gdi::Region& clip, const RealizedFont& font,
              const TextRun& run, int x, int baseline, uint32_t pixel);

// Fills a rectangle (surface coordinates) with a colour, inside the clip only.
void FillClipped(gdi::Surface& surface, const gdi::Region& clip, const RECT& rect, uint32_t pixel);

}  // namespace layer::text
