// A logical font made real: the face it draws with, its size in pixels, the cell metrics that
// TEXTMETRICA reports and the glyphs it draws, shared by every font handle with the same look.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/api/gdi32.h"
#include "platform/gdi/text/glyph_cache.h"

namespace layer::text {

// Cell metrics in pixels. The baseline lies `ascent` below the top of the cell.
struct FontMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // Lines below and through the text: the top row relative to the baseline (positive is down)
    // and the thickness, both at least one pixel thick.
    int underlineOffset = 1;
    int underlineThickness = 1;
    int strikeOutOffset = -3;
    int strikeOutThickness = 1;
};

class RealizedFont {
  public:
    // The default em height in pixels for a logical font of height 0.
    static constexpr int kDefaultEmPixels = 12;
    // Heights beyond this many pixels are drawn at this size.
    static constexpr int kLargestEmPixels = 2048;

    // The realised font for a logical font. Equal looks share one realised font, found again
    // without asking fontconfig.
    static std::shared_ptr<const RealizedFont> Realize(const LOGFONTA& logFont);

    const FontMetrics& Metrics() const { return metrics_; }
    // The face's name in code page 936.
    const std::string& FaceName() const { return faceName_; }
    const GlyphStyle& Style() const { return style_; }

    std::shared_ptr<const Glyph> GlyphFor(char32_t codePoint) const {
        return GlyphCache::Instance().Find(style_, codePoint);
    }

    RealizedFont(const LOGFONTA& logFont);

  private:
    FontMetrics metrics_;
    std::string faceName_;
    GlyphStyle style_;
};

}  // namespace layer::text
