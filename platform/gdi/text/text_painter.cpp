// Glyph masks are composited with pixman: a solid source through each a8 mask, OVER the surface,
// with the clip region set on the destination for the duration of one run.
#include "platform/gdi/text/text_painter.h"

#include <algorithm>

#include "platform/gdi/text/ansi_characters.h"

namespace layer::text {
namespace {

pixman_color_t ColorFromPixel(uint32_t pixel) {
    const auto widen = [](uint32_t channel) { return static_cast<uint16_t>(channel * 0x101); };
    return pixman_color_t{widen(pixel >> 16 & 0xFF), widen(pixel >> 8 & 0xFF), widen(pixel & 0xFF),
                          0xFFFF};
}

// Sets the clip on the destination image while it lives and takes it off afterwards, so that
// other users of the surface's image see it unclipped.
class ClipScope {
  public:
    ClipScope(gdi::Surface& surface, const gdi::Region& clip) : image_(surface.Image()) {
        pixman_image_set_clip_region32(image_, const_cast<pixman_region32_t*>(clip.Native()));
    }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;
    ~ClipScope() { pixman_image_set_clip_region32(image_, nullptr); }

  private:
    pixman_image_t* image_;
};

void FillRect(pixman_image_t* destination, const RECT& rect, pixman_color_t color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    pixman_rectangle16_t box{};
    // pixman's rectangle fill takes 16-bit coordinates; clamp to what a surface can hold.
    const auto clamp16 = [](LONG value) {
        return static_cast<LONG>(std::clamp<LONG>(value, -32768, 32767));
    };
    const LONG left = clamp16(rect.left), top = clamp16(rect.top);
    box.x = static_cast<int16_t>(left);
    box.y = static_cast<int16_t>(top);
    box.width = static_cast<uint16_t>(std::min<LONG>(clamp16(rect.right) - left, 65535));
    box.height = static_cast<uint16_t>(std::min<LONG>(clamp16(rect.bottom) - top, 65535));
    pixman_image_fill_rectangles(PIXMAN_OP_SRC, destination, &color, 1, &box);
}

}  // namespace

TextRun LayOutRun(const RealizedFont& font, std::string_view ansi) {
    TextRun run;
    const auto characters = SplitAnsiCharacters(ansi);
    run.glyphs.reserve(characters.size());
    run.advances.reserve(characters.size());
    for (const AnsiCharacter& character : characters) {
        auto glyph = font.GlyphFor(character.codePoint);
        run.advances.push_back(glyph->advance);
        run.width += glyph->advance;
        run.glyphs.push_back(std::move(glyph));
    }
    return run;
}

void PaintRun(gdi::Surface& surface, const gdi::Region& clip, const RealizedFont& font,
              const TextRun& run, int x, int baseline, uint32_t pixel) {
    if (clip.IsEmpty()) {
        return;
    }
    const RECT bounds = clip.Bounds();
    const pixman_color_t color = ColorFromPixel(pixel);
    ClipScope scope(surface, clip);
    pixman_image_t* source = pixman_image_create_solid_fill(&color);
    int penX = x;
    for (size_t i = 0; i < run.glyphs.size(); ++i) {
        if (run.glyphs[i] == nullptr) {  // an expanded tab: advance only
            penX += run.advances[i];
            continue;
        }
        const Glyph& glyph = *run.glyphs[i];
        const int left = penX + glyph.left;
        const int top = baseline - glyph.top;
        const bool visible = left < bounds.right && left + glyph.width > bounds.left &&
                             top < bounds.bottom && top + glyph.height > bounds.top;
        if (glyph.mask != nullptr && visible) {
            pixman_image_composite32(PIXMAN_OP_OVER, source, glyph.mask, surface.Image(), 0, 0, 0,
                                     0, left, top, glyph.width, glyph.height);
        }
        penX += run.advances[i];
    }
    pixman_image_unref(source);

    const FontMetrics& metrics = font.Metrics();
    if (metrics.underline) {
        const int top = baseline + metrics.underlineOffset;
        FillRect(surface.Image(), RECT{x, top, penX, top + metrics.underlineThickness}, color);
    }
    if (metrics.strikeOut) {
        const int top = baseline + metrics.strikeOutOffset;
        FillRect(surface.Image(), RECT{x, top, penX, top + metrics.strikeOutThickness}, color);
    }
}

void FillClipped(gdi::Surface& surface, const gdi::Region& clip, const RECT& rect, uint32_t pixel) {
    if (clip.IsEmpty()) {
        return;
    }
    ClipScope scope(surface, clip);
    FillRect(surface.Image(), rect, ColorFromPixel(pixel));
}

}  // namespace layer::text
