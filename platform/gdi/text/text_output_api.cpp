// Text output into DCs: TextOutA, ExtTextOutA and DrawTextA. Positions are logical; the DC's
// origin moves them onto its surface and its effective clip bounds every pixel drawn.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/api/gdi32.h"
#include "platform/api/kernel32.h"
#include "platform/api/text.h"
#include "platform/gdi/text/ansi_characters.h"
#include "platform/gdi/text/dc_text.h"
#include "platform/gdi/text/text_block.h"
#include "platform/gdi/text/text_painter.h"

namespace {

using layer::gdi::DeviceContext;
using layer::gdi::PixelFromColorRef;
using layer::gdi::Region;
using layer::text::RealizedFont;
using layer::text::TextRun;

constexpr UINT kHorizontalAlignMask = TA_CENTER;  // TA_LEFT, TA_RIGHT or TA_CENTER
constexpr UINT kVerticalAlignMask = TA_BASELINE;  // TA_TOP, TA_BOTTOM or TA_BASELINE

// Paints one line whose cell starts at (x, top) in surface coordinates: the background box in
// OPAQUE mode, then the glyphs in the text colour.
void PaintLine(DeviceContext& dc, const Region& clip, const RealizedFont& font, const TextRun& run,
               int x, int top, bool drawGlyphs = true) {
    const auto& state = dc.State();
    const int height = font.Metrics().height;
    if (state.backgroundMode == OPAQUE) {
        layer::text::FillClipped(*dc.Target(), clip, RECT{x, top, x + run.width, top + height},
                                 PixelFromColorRef(state.backgroundColor));
    }
    if (drawGlyphs) {
        layer::text::PaintRun(*dc.Target(), clip, font, run, x, top + font.Metrics().ascent,
                              PixelFromColorRef(state.textColor));
    }
}

// Positions far outside any surface are pulled in to where nothing they draw can overflow.
int ClampCoordinate(int64_t value) {
    constexpr int64_t kLimit = int64_t{1} << 28;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

RECT ToSurface(const DeviceContext& dc, const RECT& rect) {
    const POINT origin = dc.Origin();
    return RECT{ClampCoordinate(int64_t{rect.left} + origin.x),
                ClampCoordinate(int64_t{rect.top} + origin.y),
                ClampCoordinate(int64_t{rect.right} + origin.x),
                ClampCoordinate(int64_t{rect.bottom} + origin.y)};
}

// A run whose advances come from a caller's dx array, one entry per byte: a double-byte
// character advances by the sum of its two entries.
void ApplyAdvances(TextRun& run, std::string_view text, const INT* dx) {
    const auto characters = layer::text::SplitAnsiCharacters(text);
    run.width = 0;
    for (size_t i = 0; i < characters.size() && i < run.advances.size(); ++i) {
        int advance = 0;
        for (size_t b = 0; b < characters[i].length; ++b) {
            advance += dx[characters[i].offset + b];
        }
        run.advances[i] = advance;
        run.width += advance;
    }
}

}  // namespace

BOOL WINAPI ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                        UINT count, const INT* dx) {
    DeviceContext* context = layer::text::TextDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if ((text == nullptr && count > 0) || count > INT_MAX) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (context->Target() == nullptr) {
        return TRUE;
    }
    auto& state = context->State();
    const auto font = layer::text::SelectedFont(*context);
    const Region& visible = context->EffectiveClip();
    if ((options & ETO_OPAQUE) && rect != nullptr) {
        layer::text::FillClipped(*context->Target(), visible, ToSurface(*context, *rect),
                                 PixelFromColorRef(state.backgroundColor));
    }
    if (count == 0) {
        return TRUE;
    }
    const std::string_view ansi(text, count);
    TextRun run = layer::text::LayOutRun(*font, ansi);
    if (dx != nullptr) {
        ApplyAdvances(run, ansi, dx);
    }

    const bool updateCurrentPosition = state.textAlign & TA_UPDATECP;
    if (updateCurrentPosition) {
        x = state.currentPosition.x;
        y = state.currentPosition.y;
    }
    const auto& metrics = font->Metrics();
    int64_t left = x;
    switch (state.textAlign & kHorizontalAlignMask) {
        case TA_CENTER:
            left = int64_t{x} - run.width / 2;
            break;
        case TA_RIGHT:
            left = int64_t{x} - run.width;
            break;
        default:
            break;
    }
    int64_t top = y;
    switch (state.textAlign & kVerticalAlignMask) {
        case TA_BASELINE:
            top = int64_t{y} - metrics.ascent;
            break;
        case TA_BOTTOM:
            top = int64_t{y} - metrics.height;
            break;
        default:
            break;
    }
    if (updateCurrentPosition) {
        const UINT horizontal = state.textAlign & kHorizontalAlignMask;
        const int64_t moved = horizontal == TA_RIGHT  ? int64_t{x} - run.width
                              : horizontal == TA_LEFT ? int64_t{x} + run.width
                                                      : x;
        state.currentPosition.x = ClampCoordinate(moved);
    }

    Region clip = visible;
    if ((options & ETO_CLIPPED) && rect != nullptr) {
        clip.Intersect(ToSurface(*context, *rect));
    }
    const POINT origin = context->Origin();
    PaintLine(*context, clip, *font, run, ClampCoordinate(left + origin.x),
              ClampCoordinate(top + origin.y));
    return TRUE;
}

BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
    if (count < 0) {
        if (layer::text::TextDC(dc) != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return FALSE;
    }
    return ExtTextOutA(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

int WINAPI DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* context = layer::text::TextDC(dc);
    if (context == nullptr) {
        return 0;
    }
    if (rect == nullptr || (text == nullptr && count != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const size_t length = count < 0 ? std::strlen(text) : static_cast<size_t>(count);
    const std::string_view ansi(text != nullptr ? text : "", length);
    const auto font = layer::text::SelectedFont(*context);
    const int lineHeight = font->Metrics().height;
    // Rectangles may hold any LONG: the arithmetic is done in 64 bits and kept within the
    // range that drawing can use.
    const int64_t left = rect->left, right = rect->right;
    const int64_t rectTop = rect->top, rectBottom = rect->bottom;
    const int width = ClampCoordinate(right - left);
    const auto block = layer::text::LayOutBlock(*font, ansi, format, width);

    const bool singleLine = format & DT_SINGLELINE;
    const int blockHeight = static_cast<int>(block.lines.size()) * lineHeight;
    int64_t top = rectTop;
    if (singleLine && (format & DT_VCENTER)) {
        top = rectTop + (rectBottom - rectTop - lineHeight) / 2;
    } else if (singleLine && (format & DT_BOTTOM)) {
        top = rectBottom - lineHeight;
    }
    // With DT_VCENTER or DT_BOTTOM the result is the offset from the rectangle's top to the
    // bottom of the text, otherwise the text's height.
    const int result = ClampCoordinate(top + blockHeight - rectTop);

    if (format & DT_CALCRECT) {
        rect->right = static_cast<LONG>(ClampCoordinate(left + (ansi.empty() ? 0 : block.width)));
        rect->bottom = static_cast<LONG>(ClampCoordinate(rectTop + (ansi.empty() ? 0 : result)));
        return result;
    }
    if (context->Target() == nullptr || ansi.empty()) {
        return result;
    }
    Region clip = context->EffectiveClip();
    if (!(format & DT_NOCLIP)) {
        clip.Intersect(ToSurface(*context, *rect));
    }
    const POINT origin = context->Origin();
    const auto& metrics = font->Metrics();
    const uint32_t textPixel = PixelFromColorRef(context->State().textColor);
    for (size_t i = 0; i < block.lines.size(); ++i) {
        const auto& line = block.lines[i];
        int64_t x = left;
        if (format & DT_CENTER) {
            x = left + (right - left - line.run.width) / 2;
        } else if (format & DT_RIGHT) {
            x = right - line.run.width;
        }
        const int lineTop = ClampCoordinate(top + static_cast<int64_t>(i) * lineHeight + origin.y);
        const int lineLeft = ClampCoordinate(x + origin.x);
        PaintLine(*context, clip, *font, line.run, lineLeft, lineTop, !(format & DT_PREFIXONLY));
        // A prefix underlines its character's advance less one pixel, below the baseline.
        for (const auto& mark : line.marks) {
            const int underlineTop = lineTop + metrics.ascent + metrics.underlineOffset;
            const int markLeft = lineLeft + mark.x;
            layer::text::FillClipped(
                *context->Target(), clip,
                RECT{markLeft, underlineTop, markLeft + std::max(mark.width - 1, 1),
                     underlineTop + metrics.underlineThickness},
                textPixel);
        }
    }
    return result;
}
