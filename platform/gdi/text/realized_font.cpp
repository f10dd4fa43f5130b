// Turning a LOGFONTA into a face, an em size and cell metrics, the way the documented height
// rules ask: a negative height is the em height, a positive one the cell height.
#include "platform/gdi/text/realized_font.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/gdi/text/code_page.h"
#include "platform/gdi/text/face_library.h"

namespace layer::text {
namespace {

constexpr LONG kBoldWeight = 600;

// The fields of a LOGFONTA that change how text looks here.
struct LogFontKey {
    std::string faceName;
    LONG height;
    bool bold;
    LONG weight;
    bool italic;
    bool underline;
    bool strikeOut;

    auto Tie() const {
        return std::tie(faceName, height, bold, weight, italic, underline, strikeOut);
    }
    bool operator<(const LogFontKey& other) const { return Tie() < other.Tie(); }
};

std::string FaceNameOf(const LOGFONTA& logFont) {
    return std::string(logFont.lfFaceName, strnlen(logFont.lfFaceName, LF_FACESIZE));
}

int RoundToInt(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

std::shared_ptr<const RealizedFont> RealizedFont::Realize(const LOGFONTA& logFont) {
    static std::mutex lock;
    static std::map<LogFontKey, std::shared_ptr<const RealizedFont>> fonts;
    const LogFontKey key{
        FaceNameOf(logFont),     logFont.lfHeight,      logFont.lfWeight >= kBoldWeight,
        logFont.lfWeight,        logFont.lfItalic != 0, logFont.lfUnderline != 0,
        logFont.lfStrikeOut != 0};
    std::lock_guard guard(lock);
    // Realised fonts are small, but a program could ask for endless sizes: past a few hundred
    // looks the table starts afresh (fonts in use stay alive through their holders).
    constexpr size_t kLargestTable = 256;
    if (fonts.size() >= kLargestTable && fonts.find(key) == fonts.end()) {
        fonts.clear();
    }
    auto& font = fonts[key];
    if (font == nullptr) {
        font = std::make_shared<const RealizedFont>(logFont);
    }
    return font;
}

RealizedFont::RealizedFont(const LOGFONTA& logFont) {
    const bool bold = logFont.lfWeight >= kBoldWeight;
    const std::string requested = FaceNameOf(logFont);
    const FaceEntry& entry = FaceLibrary::Instance().FaceFor(Utf8FromAnsi(requested), bold);
    FT_Face face = entry.face;

    // Cell proportions from the OS/2 table (the Windows ascent and descent), else from hhea.
    double unitsAscent = face->ascender;
    double unitsDescent = -face->descender;
    double unitsAverageWidth = face->max_advance_width / 2.0;
    double unitsStrikeOut = face->units_per_EM * 0.25;
    double unitsStrikeOutSize = face->underline_thickness;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            unitsAscent = os2->usWinAscent;
            unitsDescent = os2->usWinDescent;
        }
        if (os2->xAvgCharWidth > 0) {
            unitsAverageWidth = os2->xAvgCharWidth;
        }
        if (os2->yStrikeoutSize > 0) {
            unitsStrikeOut = os2->yStrikeoutPosition;
            unitsStrikeOutSize = os2->yStrikeoutSize;
        }
    }
    const double unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const double unitsCell = std::max(unitsAscent + unitsDescent, 1.0);

    // The height may be any LONG, LONG_MIN included: work in 64 bits and keep it drawable.
    const int64_t height = logFont.lfHeight;
    double em = kDefaultEmPixels;
    if (height < 0) {
        em = static_cast<double>(std::min<int64_t>(-height, kLargestEmPixels));
    } else if (height > 0) {
        const double cell = static_cast<double>(std::min<int64_t>(height, kLargestEmPixels));
        em = cell * unitsPerEm / unitsCell;
    }
    const double scale = em / unitsPerEm;

    metrics_.ascent = RoundToInt(unitsAscent * scale);
    metrics_.descent = RoundToInt(unitsDescent * scale);
    metrics_.height = metrics_.ascent + metrics_.descent;
    metrics_.internalLeading = std::max(metrics_.height - RoundToInt(em), 0);
    metrics_.weight = logFont.lfWeight > 0 ? std::min<LONG>(logFont.lfWeight, 1000) : 400;
    const int boldExtra = bold && !entry.hasBold ? 1 : 0;
    metrics_.averageCharWidth = RoundToInt(unitsAverageWidth * scale) + boldExtra;
    metrics_.maxCharWidth = RoundToInt((face->bbox.xMax - face->bbox.xMin) * scale) + boldExtra;
    metrics_.italic = logFont.lfItalic != 0;
    metrics_.underline = logFont.lfUnderline != 0;
    metrics_.strikeOut = logFont.lfStrikeOut != 0;
    metrics_.underlineThickness = std::max(RoundToInt(face->underline_thickness * scale), 1);
    metrics_.underlineOffset =
        std::max(RoundToInt(-face->underline_position * scale) - metrics_.underlineThickness, 1);
    metrics_.strikeOutThickness = std::max(RoundToInt(unitsStrikeOutSize * scale), 1);
    metrics_.strikeOutOffset = -RoundToInt(unitsStrikeOut * scale);

    style_.face = face;
    style_.emSize26 = std::llround(em * 64);
    // Synthetic bold thickens every stroke by a 24th of the em, at least a pixel, so that the
    // weight shows at every size.
    style_.emboldenStrength26 = boldExtra ? std::max<int64_t>(64, style_.emSize26 / 24) : 0;
    style_.oblique = metrics_.italic;

    faceName_ = AnsiFromUtf8(entry.family);
}

}  // namespace layer::text
