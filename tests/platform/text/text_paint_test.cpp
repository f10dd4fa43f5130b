// Painting glyph runs onto a surface: the ink stays inside the clip, edges blend with what lies
// beneath, bad bytes show a replacement mark, and glyphs are rasterised once per process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/text/glyph_cache.h"
#include "platform/gdi/text/realized_font.h"
#include "platform/gdi/text/text_painter.h"

namespace {

using layer::gdi::Region;
using layer::gdi::Surface;
using layer::text::GlyphCache;
using layer::text::LayOutRun;
using layer::text::PaintRun;
using layer::text::RealizedFont;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;

LOGFONTA LogFont(LONG height, LONG weight) {
    LOGFONTA logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = 134;
    return logFont;
}

void Fill(Surface& surface, uint32_t pixel) {
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            surface.SetPixelAt(x, y, pixel);
        }
    }
}

// The bounding box of every pixel that is not `background`; all zero when there is none.
RECT InkBox(const Surface& surface, uint32_t background) {
    RECT box{surface.Width(), surface.Height(), 0, 0};
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.PixelAt(x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    }
    return box.right > box.left ? box : RECT{0, 0, 0, 0};
}

int InkCount(const Surface& surface, uint32_t background) {
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            count += surface.PixelAt(x, y) != background;
        }
    }
    return count;
}

TEST(TextPaint, InkLiesWithinTheAdvanceAndTheCell) {
    const auto font = RealizedFont::Realize(LogFont(-16, 400));
    Surface surface(200, 40);
    Fill(surface, kWhite);
    const auto run = LayOutRun(*font, "32768");
    PaintRun(surface, Region(0, 0, 200, 40), *font, run, 10, 5 + font->Metrics().ascent, 0);
    const RECT ink = InkBox(surface, kWhite);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + run.width + 1) << "ink ends within the advance";
    EXPECT_GE(ink.right, 10 + run.width - 3) << "the last digit reaches near its advance";
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.bottom, 5 + font->Metrics().height);
}

TEST(TextPaint, NothingOutsideTheClipChanges) {
    const auto font = RealizedFont::Realize(LogFont(-213, 700));
    Surface surface(300, 260);
    Fill(surface, kWhite);
    Region clip(40, 30, 140, 130);
    clip.Union(RECT{200, 0, 220, 260});
    PaintRun(surface, clip, *font, LayOutRun(*font, "32768"), -100, font->Metrics().ascent, kRed);
    int outside = 0, inside = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const bool changed = surface.PixelAt(x, y) != kWhite;
            (clip.Contains(x, y) ? inside : outside) += changed;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 1000);
}

TEST(TextPaint, AntialiasedEdgesBlendWithWhatLiesBeneath) {
    const auto font = RealizedFont::Realize(LogFont(-16, 400));
    Surface surface(60, 30);
    const uint32_t face = 0xD4D0C8;  // a group box's button-face background
    Fill(surface, face);
    PaintRun(surface, Region(0, 0, 60, 30), *font, LayOutRun(*font, "总人数"), 2,
             font->Metrics().ascent + 4, 0x000000);
    int solid = 0, blended = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            const uint32_t pixel = surface.PixelAt(x, y);
            const uint32_t red = pixel >> 16, green = pixel >> 8 & 0xFF, blue = pixel & 0xFF;
            solid += pixel == 0;
            // Partial coverage darkens every channel of the background by the same fraction.
            if (pixel != 0 && pixel != face) {
                ++blended;
                EXPECT_LT(red, 0xD4u);
                EXPECT_NEAR(static_cast<double>(red) / 0xD4, static_cast<double>(blue) / 0xC8,
                            0.02);
                EXPECT_NEAR(static_cast<double>(green) / 0xD0, static_cast<double>(blue) / 0xC8,
                            0.02);
            }
        }
    }
    EXPECT_GT(solid, 10);
    EXPECT_GT(blended, 20) << "grayscale antialiasing leaves partly covered pixels";
}

TEST(TextPaint, BadBytesDrawVisibleMarksWithoutShiftingTheRest) {
    const auto font = RealizedFont::Realize(LogFont(-16, 400));
    const std::string bad[] = {"\xB3", "\xFF", "\x80", "\xA2\xE3"};
    for (const std::string& bytes : bad) {
        Surface surface(80, 30);
        Fill(surface, kWhite);
        const auto run = LayOutRun(*font, bytes);
        PaintRun(surface, Region(0, 0, 80, 30), *font, run, 0, 20, 0);
        EXPECT_GT(InkCount(surface, kWhite), 10)
            << "bytes " << std::hex << static_cast<int>(bytes[0] & 0xFF);
    }
    // The letter after a lone lead byte and a space keeps its place.
    const int alone = LayOutRun(*font, "x").width;
    const int mark = LayOutRun(*font, "\xB3").width;
    const int space = LayOutRun(*font, " ").width;
    EXPECT_EQ(LayOutRun(*font, "\xB3 x").width, mark + space + alone);
}

TEST(TextPaint, UnderlineAndStrikeOutSpanTheRun) {
    LOGFONTA logFont = LogFont(-16, 400);
    logFont.lfUnderline = 1;
    logFont.lfStrikeOut = 1;
    const auto font = RealizedFont::Realize(logFont);
    Surface surface(100, 30);
    Fill(surface, kWhite);
    const auto run = LayOutRun(*font, "a b");
    const int baseline = 4 + font->Metrics().ascent;
    PaintRun(surface, Region(0, 0, 100, 30), *font, run, 5, baseline, 0);
    const int underline = baseline + font->Metrics().underlineOffset;
    const int strike = baseline + font->Metrics().strikeOutOffset;
    for (int x = 5; x < 5 + run.width; ++x) {
        EXPECT_EQ(surface.PixelAt(x, underline), 0u) << "underline at x " << x;
        EXPECT_EQ(surface.PixelAt(x, strike), 0u) << "strike-out at x " << x;
    }
    EXPECT_EQ(surface.PixelAt(5 + run.width, underline), kWhite);
}

TEST(TextPaint, BoldInkIsHeavierThanRegularInk) {
    const auto regular = RealizedFont::Realize(LogFont(-16, 400));
    const auto bold = RealizedFont::Realize(LogFont(-16, 700));
    Surface regularSurface(120, 30), boldSurface(120, 30);
    Fill(regularSurface, kWhite);
    Fill(boldSurface, kWhite);
    PaintRun(regularSurface, Region(0, 0, 120, 30), *regular, LayOutRun(*regular, "中奖"), 0, 20,
             0);
    PaintRun(boldSurface, Region(0, 0, 120, 30), *bold, LayOutRun(*bold, "中奖"), 0, 20, 0);
    EXPECT_GT(InkCount(boldSurface, kWhite), InkCount(regularSurface, kWhite) * 6 / 5);
}

// The program makes and deletes its 213-pixel bold font on every paint: the glyphs must come
// from the cache after the first time.
TEST(TextPaint, GlyphsAreRasterisedOncePerLook) {
    LOGFONTA logFont = LogFont(-213, 700);
    (void)LayOutRun(*RealizedFont::Realize(logFont), "0123456789");
    const uint64_t before = GlyphCache::Instance().RasterisedCount();
    for (int paint = 0; paint < 3; ++paint) {
        logFont.lfQuality = static_cast<BYTE>(paint);  // a field that does not change the look
        const auto font = RealizedFont::Realize(logFont);
        (void)LayOutRun(*font, "32768");
    }
    EXPECT_EQ(GlyphCache::Instance().RasterisedCount(), before);
}

}  // namespace

namespace {

// Walking through many sizes empties the caches now and then; runs laid out before stay
// drawable because they share their glyphs.
TEST(TextPaint, RunsSurviveTheCachesStartingAfresh) {
    const auto font = layer::text::RealizedFont::Realize(LogFont(-20, 400));
    const auto run = layer::text::LayOutRun(*font, "32768");
    for (LONG height = -21; height > -121; --height) {
        (void)layer::text::LayOutRun(*layer::text::RealizedFont::Realize(LogFont(height, 400)),
                                     "a");
    }
    Surface surface(120, 40);
    Fill(surface, kWhite);
    PaintRun(surface, Region(0, 0, 120, 40), *font, run, 2, 30, 0);
    EXPECT_GT(InkCount(surface, kWhite), 50);
    EXPECT_EQ(layer::text::LayOutRun(*font, "32768").width, run.width);
}

}  // namespace
