// Realised fonts: cell metrics and advances for the program's sizes, compared with what a
// reference implementation reports for the same face, and the rules for heights and faces.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/gdi/text/realized_font.h"
#include "platform/gdi/text/text_painter.h"

namespace {

using layer::text::LayOutRun;
using layer::text::RealizedFont;

LOGFONTA LogFont(LONG height, LONG weight, const char* face = "") {
    LOGFONTA logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = 134;
    std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return logFont;
}

int Width(const RealizedFont& font, const std::string& text) {
    return LayOutRun(font, text).width;
}

// Measured with the same face under the reference implementation (file compiled with GBK
// literals, so "抽 奖" is its GBK bytes).
struct MetricsCase {
    LONG height;
    LONG weight;
    int cellHeight, ascent, descent, averageWidth;
    int digitsWidth, letterWidth, captionWidth;
};

TEST(RealizedFont, MetricsAndAdvancesMatchTheReference) {
    const MetricsCase cases[] = {
        {-12, 400, 14, 11, 3, 8, 35, 6, 27},            // DEFAULT_GUI_FONT
        {-16, 400, 19, 15, 4, 11, 45, 9, 36},           // "抽 奖" and "位"
        {-213, 700, 249, 199, 50, 149, 590, 114, 484},  // the drawn number
        {-213, 400, 249, 199, 50, 148, 585, 113, 481},
        {16, 400, 16, 13, 3, 10, 40, 7, 32},  // a positive height is the cell height
        {-12, 700, 14, 11, 3, 9, 40, 7, 30},
    };
    for (const MetricsCase& c : cases) {
        SCOPED_TRACE("lfHeight " + std::to_string(c.height) + " weight " +
                     std::to_string(c.weight));
        const auto font = RealizedFont::Realize(LogFont(c.height, c.weight));
        const auto& metrics = font->Metrics();
        EXPECT_EQ(metrics.height, c.cellHeight);
        EXPECT_EQ(metrics.ascent, c.ascent);
        EXPECT_EQ(metrics.descent, c.descent);
        EXPECT_EQ(metrics.averageCharWidth, c.averageWidth);
        EXPECT_EQ(Width(*font, "32768"), c.digitsWidth);
        EXPECT_EQ(Width(*font, "a"), c.letterWidth);
        EXPECT_EQ(Width(*font, "抽 奖"), c.captionWidth);
    }
}

TEST(RealizedFont, ZeroHeightIsTheDefaultTwelvePixelEm) {
    const auto zero = RealizedFont::Realize(LogFont(0, 400));
    const auto twelve = RealizedFont::Realize(LogFont(-12, 400));
    EXPECT_EQ(zero->Metrics().height, twelve->Metrics().height);
    EXPECT_EQ(Width(*zero, "中奖童鞋"), Width(*twelve, "中奖童鞋"));
}

TEST(RealizedFont, EmptyOrUnknownFaceNamesGiveTheDefaultFace) {
    const auto byDefault = RealizedFont::Realize(LogFont(-12, 400));
    const auto named = RealizedFont::Realize(LogFont(-12, 400, "WenQuanYi Micro Hei"));
    const auto unknown = RealizedFont::Realize(LogFont(-12, 400, "No Such Face 42"));
    EXPECT_EQ(byDefault->Style().face, named->Style().face);
    EXPECT_EQ(byDefault->Style().face, unknown->Style().face);
    EXPECT_EQ(byDefault->FaceName(), "WenQuanYi Micro Hei");
}

TEST(RealizedFont, ExtremeHeightsStayDrawable) {
    for (LONG height : {INT32_MIN, INT32_MIN + 1, -100000, 100000, INT32_MAX, 1, -1}) {
        const auto font = RealizedFont::Realize(LogFont(height, 400));
        EXPECT_GT(font->Metrics().height, 0) << "lfHeight " << height;
        EXPECT_LE(font->Metrics().height, 2 * RealizedFont::kLargestEmPixels)
            << "lfHeight " << height;
    }
}

TEST(RealizedFont, EqualLooksShareOneRealisedFont) {
    EXPECT_EQ(RealizedFont::Realize(LogFont(-213, 700)), RealizedFont::Realize(LogFont(-213, 700)));
    EXPECT_NE(RealizedFont::Realize(LogFont(-213, 700)), RealizedFont::Realize(LogFont(-213, 400)));
}

TEST(RealizedFont, BoldItalicUnderlineAndStrikeOutAreReported) {
    LOGFONTA logFont = LogFont(-16, 700);
    logFont.lfItalic = 1;
    logFont.lfUnderline = 1;
    logFont.lfStrikeOut = 1;
    const auto font = RealizedFont::Realize(logFont);
    EXPECT_EQ(font->Metrics().weight, 700);
    EXPECT_TRUE(font->Metrics().italic);
    EXPECT_TRUE(font->Metrics().underline);
    EXPECT_TRUE(font->Metrics().strikeOut);
    EXPECT_GT(font->Style().emboldenStrength26, 0) << "the face has no bold: it is synthesised";
    EXPECT_TRUE(font->Style().oblique);
}

}  // namespace
