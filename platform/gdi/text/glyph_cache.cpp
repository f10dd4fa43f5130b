// Rasterising glyphs with FreeType (grayscale, synthetic bold and slant on the outline) into
// pixman a8 masks, and keeping them.
#include "platform/gdi/text/glyph_cache.h"

#include FT_OUTLINE_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/gdi/text/ansi_characters.h"
#include "platform/gdi/text/face_library.h"

namespace layer::text {
namespace {

// A style keeps at most this many glyphs; past it the style starts afresh, which bounds memory
// for text that walks through the whole of GBK at a huge size.
constexpr size_t kGlyphsPerStyle = 4096;
// At most this many looks keep glyphs; a program that walks through many sizes starts afresh
// rather than growing without end. Glyphs handed out stay valid: callers share them.
constexpr size_t kStyles = 64;

// The slant of synthetic italic: about 12 degrees, as a 16.16 shear.
constexpr FT_Fixed kObliqueShear = 0x0366A;

pixman_image_t* MaskFromBitmap(const FT_Bitmap& bitmap) {
    const int width = static_cast<int>(bitmap.width);
    const int height = static_cast<int>(bitmap.rows);
    pixman_image_t* mask = pixman_image_create_bits(PIXMAN_a8, width, height, nullptr, 0);
    if (mask == nullptr) {
        return nullptr;
    }
    auto* rows = reinterpret_cast<uint8_t*>(pixman_image_get_data(mask));
    const int stride = pixman_image_get_stride(mask);
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        std::memcpy(rows + static_cast<ptrdiff_t>(y) * stride, source, static_cast<size_t>(width));
    }
    return mask;
}

}  // namespace

Glyph::~Glyph() {
    if (mask != nullptr) {
        pixman_image_unref(mask);
    }
}

GlyphCache& GlyphCache::Instance() {
    static GlyphCache cache;
    return cache;
}

std::shared_ptr<const Glyph> GlyphCache::Find(const GlyphStyle& style, char32_t codePoint) {
    std::lock_guard guard(FaceLibrary::Instance().GlyphLock());
    if (styles_.size() >= kStyles && styles_.find(style) == styles_.end()) {
        DropAllStyles();
    }
    StyleEntry& entry = styles_[style];
    if (auto found = entry.glyphs.find(codePoint); found != entry.glyphs.end()) {
        return found->second;
    }
    if (entry.size == nullptr) {
        if (FT_New_Size(style.face, &entry.size) != 0) {
            std::fprintf(stderr, "text: FreeType cannot make a size for a face\n");
            std::abort();
        }
        FT_Activate_Size(entry.size);
        FT_Set_Char_Size(style.face, 0, static_cast<FT_F26Dot6>(style.emSize26), 72, 72);
    }
    if (entry.glyphs.size() >= kGlyphsPerStyle) {
        entry.glyphs.clear();
    }
    auto glyph = Rasterise(style, entry, codePoint);
    entry.glyphs.emplace(codePoint, glyph);
    return glyph;
}

void GlyphCache::Clear() {
    std::lock_guard guard(FaceLibrary::Instance().GlyphLock());
    DropAllStyles();
}

void GlyphCache::DropAllStyles() {
    for (auto& [style, entry] : styles_) {
        if (entry.size != nullptr) {
            FT_Done_Size(entry.size);
        }
    }
    styles_.clear();
}

std::shared_ptr<const Glyph> GlyphCache::Rasterise(const GlyphStyle& style, StyleEntry& entry,
                                                   char32_t codePoint) {
    FT_Face face = style.face;
    FT_Activate_Size(entry.size);
    FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0) {
        index = FT_Get_Char_Index(face, kReplacementCharacter);
    }
    const int syntheticBoldAdvance = style.emboldenStrength26 > 0 ? 1 : 0;
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0) {
        const int advance = static_cast<int>((style.emSize26 + 32) / 64) / 2;
        return MakeBox(style, advance + syntheticBoldAdvance);
    }
    ++rasterised_;
    FT_GlyphSlot slot = face->glyph;
    auto glyph = std::make_shared<Glyph>();
    // The hinted advance in whole pixels: measuring and drawing both add these up.
    glyph->advance = static_cast<int>((slot->advance.x + 32) >> 6) + syntheticBoldAdvance;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (style.emboldenStrength26 > 0) {
            // Emboldening grows the outline right and up; moving it left by half the growth
            // keeps the ink centred in its advance and still resting on the baseline.
            const auto strength = static_cast<FT_Pos>(style.emboldenStrength26);
            FT_Outline_EmboldenXY(&slot->outline, strength, strength);
            FT_Outline_Translate(&slot->outline, -strength / 2, 0);
        }
        if (style.oblique) {
            FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0 && slot->bitmap.width > 0 &&
        slot->bitmap.rows > 0 && slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        glyph->mask = MaskFromBitmap(slot->bitmap);
        glyph->left = slot->bitmap_left;
        glyph->top = slot->bitmap_top;
        glyph->width = static_cast<int>(slot->bitmap.width);
        glyph->height = static_cast<int>(slot->bitmap.rows);
    }
    return glyph;
}

// A hollow box from the baseline up to about the height of a capital: the mark of a character
// that no face can show.
std::shared_ptr<const Glyph> GlyphCache::MakeBox(const GlyphStyle& style, int advance) {
    auto glyph = std::make_shared<Glyph>();
    const int em = static_cast<int>((style.emSize26 + 32) / 64);
    glyph->advance = std::max(advance, 3);
    glyph->width = std::max(glyph->advance - 1, 2);
    glyph->height = std::max(em * 7 / 10, 3);
    glyph->left = 0;
    glyph->top = glyph->height;
    glyph->mask = pixman_image_create_bits(PIXMAN_a8, glyph->width, glyph->height, nullptr, 0);
    if (glyph->mask != nullptr) {
        auto* rows = reinterpret_cast<uint8_t*>(pixman_image_get_data(glyph->mask));
        const int stride = pixman_image_get_stride(glyph->mask);
        for (int y = 0; y < glyph->height; ++y) {
            for (int x = 0; x < glyph->width; ++x) {
                const bool edge =
                    x == 0 || y == 0 || x == glyph->width - 1 || y == glyph->height - 1;
                rows[static_cast<ptrdiff_t>(y) * stride + x] = edge ? 0xFF : 0;
            }
        }
    }
    return glyph;
}

}  // namespace layer::text
