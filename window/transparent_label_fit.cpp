// The shrink-to-fit of the transparent label's single-line text.
//
// Drawn as DrawTextA would, with DT_NOCLIP inside a window that clips, a text wider than the label
// loses both ends: at 213-pixel bold digits every winner from 100 up reads as a different number.
// A result that misstates the winner is wrong, so the label departs from plain cutting and draws
// such a text smaller; texts that fit keep their font exactly.
#include "window/transparent_label_fit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quorvane {
namespace {

// The width of the text in the font, or -1 when it cannot be measured.
int ExtentIn(HDC dc, HFONT font, const std::string& text) {
    HGDIOBJ previous = ::SelectObject(dc, font);
    if (previous == nullptr) {
        return -1;
    }
    SIZE extent{};
    const BOOL measured =
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, previous);
    return measured ? extent.cx : -1;
}

// The character height that the font's lfHeight of 0 stands for, read from its metrics.
int DefaultCharacterHeight(HDC dc, HFONT font) {
    HGDIOBJ previous = ::SelectObject(dc, font);
    if (previous == nullptr) {
        return 0;
    }
    TEXTMETRICA metrics{};
    const BOOL read = ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, previous);
    return read ? metrics.tmHeight - metrics.tmInternalLeading : 0;
}

// The logical font at another character height; the sign of lfHeight says whether the height is
// the character height (negative) or the cell height (positive), and stays as it was.
class ScaledFonts {
  public:
    ScaledFonts(const LOGFONTA& original, int fullHeight)
        : original_(original), fullHeight_(fullHeight) {}

    HFONT Create(int height) const {
        LOGFONTA scaled = original_;
        scaled.lfHeight = original_.lfHeight > 0 ? height : -height;
        if (original_.lfWidth != 0) {
            const int64_t width = static_cast<int64_t>(original_.lfWidth) * height / fullHeight_;
            scaled.lfWidth = static_cast<LONG>(std::max<int64_t>(1, width));
        }
        return ::CreateFontIndirectA(&scaled);
    }

  private:
    LOGFONTA original_;
    int fullHeight_;
};

}  // namespace

std::string WithoutPrefixMarks(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (size_t index = 0; index < text.size(); ++index) {
        // A lone "&" at the very end has nothing to mark and is measured as it stands.
        if (text[index] == '&' && index + 1 < text.size()) {
            ++index;
        }
        shown.push_back(text[index]);
    }
    return shown;
}

HFONT CreateFontToFitWidth(HDC dc, HFONT font, const std::string& text, int width) {
    const std::string shown = WithoutPrefixMarks(text);
    if (shown.empty() || width <= 0) {
        return nullptr;
    }
    const int fullWidth = ExtentIn(dc, font, shown);
    if (fullWidth <= width) {
        return nullptr;
    }
    LOGFONTA logical{};
    if (::GetObjectA(font, sizeof(logical), &logical) != static_cast<int>(sizeof(logical))) {
        return nullptr;
    }
    const int64_t magnitude = logical.lfHeight < 0 ? -static_cast<int64_t>(logical.lfHeight)
                                                   : static_cast<int64_t>(logical.lfHeight);
    const int fullHeight =
        magnitude != 0
            ? static_cast<int>(std::min<int64_t>(magnitude, std::numeric_limits<int32_t>::max()))
            : DefaultCharacterHeight(dc, font);
    if (fullHeight <= 1) {
        return nullptr;
    }
    const ScaledFonts fonts(logical, fullHeight);

    // The width grows nearly in step with the height, so the proportional height is the first
    // guess and its neighbour usually settles the answer; bisection covers whatever is left.
    // fitting is the largest height known to fit (0: none yet), failing the smallest known not to.
    int fitting = 0;
    int failing = fullHeight;
    HFONT best = nullptr;
    const int guess = static_cast<int>(std::clamp<int64_t>(
        static_cast<int64_t>(fullHeight) * width / fullWidth, 1, fullHeight - 1));
    int probe = guess;
    int probes = 0;
    while (failing - fitting > 1) {
        HFONT candidate = fonts.Create(probe);
        const int extent = candidate != nullptr ? ExtentIn(dc, candidate, shown) : -1;
        if (extent >= 0 && extent <= width) {
            fitting = probe;
            if (best != nullptr) {
                ::DeleteObject(best);
            }
            best = candidate;
        } else {
            failing = probe;
            if (candidate != nullptr) {
                ::DeleteObject(candidate);
            }
        }
        ++probes;
        if (probes == 1) {
            probe = fitting == guess ? guess + 1 : guess - 1;
        } else {
            probe = fitting + (failing - fitting) / 2;
        }
        probe = std::clamp(probe, fitting + 1, failing - 1);
    }
    if (best == nullptr) {
        // Not even the smallest height fits; the smallest shows the most of the text.
        best = fonts.Create(1);
    }
    return best;
}

}  // namespace quorvane
