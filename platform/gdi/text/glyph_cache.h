// Rasterised glyphs, cached per face, pixel size, weight and slant for the whole process, so that
// fonts made and deleted on every paint find their glyphs already drawn.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <pixman.h>

#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

namespace layer::text {

// One glyph's coverage mask (a8) placed relative to the pen: its top-left pixel lies at
// (penX + left, baseline - top). Empty glyphs (a space) have no mask.
struct Glyph {
    Glyph() = default;
    Glyph(const Glyph&) = delete;
    Glyph& operator=(const Glyph&) = delete;
    ~Glyph();

    pixman_image_t* mask = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int advance = 0;
};

// What a glyph's pixels depend on. Underline and strike-out are drawn apart from the glyphs and
// do not split the cache.
struct GlyphStyle {
    FT_Face face = nullptr;
    int64_t emSize26 = 0;            // em height in 1/64 pixel
    int64_t emboldenStrength26 = 0;  // 0: no synthetic bold
    bool oblique = false;

    auto Tie() const { return std::tie(face, emSize26, emboldenStrength26, oblique); }
    bool operator<(const GlyphStyle& other) const { return Tie() < other.Tie(); }
};

class GlyphCache {
  public:
    static GlyphCache& Instance();

    // The glyph for a code point in a style. A code point the face lacks gets the face's U+FFFD,
    // or a drawn box when it has none, so that nothing is ever invisible by accident.
    std::shared_ptr<const Glyph> Find(const GlyphStyle& style, char32_t codePoint);

    // Glyphs rasterised since the process started; tests read it to prove that the cache works.
    uint64_t RasterisedCount() const { return rasterised_; }

    // Forgets every glyph, so that the next text is rasterised afresh (benchmarks measure the
    // first paint this way; it also gives the memory back).
    void Clear();

  private:
    struct StyleEntry {
        FT_Size size = nullptr;
        std::unordered_map<char32_t, std::shared_ptr<const Glyph>> glyphs;
    };

    std::shared_ptr<const Glyph> Rasterise(const GlyphStyle& style, StyleEntry& entry,
                                           char32_t codePoint);
    void DropAllStyles();
    static std::shared_ptr<const Glyph> MakeBox(const GlyphStyle& style, int advance);

    std::map<GlyphStyle, StyleEntry> styles_;
    uint64_t rasterised_ = 0;
};

}  // namespace layer::text
