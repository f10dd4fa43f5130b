// StrokeLine: the pixels of a one-pixel line and the dash patterns of styled pens.
#include "platform/gdi/pen_stroke.h"

#include <array>
#include <cstdlib>

#include "platform/gdi/object_table.h"
#include "platform/gdi/painter.h"

namespace layer::gdi {

namespace {

// Dash patterns of one-pixel styled pens as runs of pixels, drawn first, then gap, and so on.
// The dotted pen's three-on, three-off was measured; the others are the usual cosmetic lengths.
struct DashPattern {
    std::array<int, 6> runs;
    int count;
};

const DashPattern* PatternFor(UINT style) {
    static const DashPattern kDash{{18, 6}, 2};
    static const DashPattern kDot{{3, 3}, 2};
    static const DashPattern kDashDot{{9, 6, 3, 6}, 4};
    static const DashPattern kDashDotDot{{9, 3, 3, 3, 3, 3}, 6};
    switch (style) {
        case PS_DASH:
            return &kDash;
        case PS_DOT:
            return &kDot;
        case PS_DASHDOT:
            return &kDashDot;
        case PS_DASHDOTDOT:
            return &kDashDotDot;
        default:
            return nullptr;
    }
}

// Whether the pixel at a step along the line falls on a drawn run of the pattern.
bool IsDrawnStep(const DashPattern& pattern, int64_t step) {
    int period = 0;
    for (int i = 0; i < pattern.count; ++i) {
        period += pattern.runs[static_cast<size_t>(i)];
    }
    int64_t position = step % period;
    for (int i = 0; i < pattern.count; ++i) {
        position -= pattern.runs[static_cast<size_t>(i)];
        if (position < 0) {
            return i % 2 == 0;
        }
    }
    return false;
}

// floor(numerator / denominator) for a positive denominator; 128 bits so that lines between far
// apart points cannot overflow.
int64_t FloorDivide(__int128 numerator, __int128 denominator) {
    const __int128 quotient = numerator / denominator;
    return static_cast<int64_t>((numerator % denominator != 0 && numerator < 0) ? quotient - 1
                                                                                : quotient);
}

// The minor coordinate at a step along the major axis: the nearest pixel to the true line, with
// a tie going to the smaller coordinate (measured, in every direction).
int64_t MinorAt(int64_t minorStart, int64_t minorDelta, int64_t step, int64_t majorLength) {
    // ceil(minorDelta * step / majorLength - 1/2) = -floor((majorLength - 2 minorDelta step) / 2L)
    return minorStart - FloorDivide(__int128{majorLength} - __int128{2} * minorDelta * step,
                                    __int128{2} * majorLength);
}

}  // namespace

void StrokeLine(DeviceContext& dc, POINT from, POINT to) {
    const PenObject* pen = Objects().FindAs<PenObject>(dc.State().pen, ObjectKind::Pen);
    if (pen == nullptr || pen->pen.lopnStyle == PS_NULL) {
        return;
    }
    Painter painter(dc);
    if (!painter.CanDraw()) {
        return;
    }
    const uint32_t penPixel = PixelFromColorRef(pen->pen.lopnColor);
    const uint32_t gapPixel = PixelFromColorRef(dc.State().backgroundColor);
    const bool opaqueGaps = dc.State().backgroundMode == OPAQUE;
    const int rop2 = dc.State().rop2;
    const DashPattern* pattern = PatternFor(pen->pen.lopnStyle);

    const int64_t dx = int64_t{to.x} - from.x;
    const int64_t dy = int64_t{to.y} - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t length = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int64_t majorDirection = (xMajor ? dx : dy) < 0 ? -1 : 1;
    // Only the steps whose major coordinate lands inside the clip's bounds can draw anything.
    const RECT bounds = painter.Clip().Bounds();
    const int64_t start = xMajor ? from.x : from.y;
    const int64_t low =
        (xMajor ? bounds.left - painter.Origin().x : bounds.top - painter.Origin().y);
    const int64_t high =
        (xMajor ? bounds.right - painter.Origin().x : bounds.bottom - painter.Origin().y) - 1;
    int64_t firstStep = majorDirection > 0 ? low - start : start - high;
    int64_t lastStep = majorDirection > 0 ? high - start : start - low;
    firstStep = std::max<int64_t>(firstStep, 0);
    lastStep = std::min<int64_t>(lastStep, length - 1);
    for (int64_t step = firstStep; step <= lastStep; ++step) {
        const int64_t major = (xMajor ? from.x : from.y) + majorDirection * step;
        const int64_t minor =
            xMajor ? MinorAt(from.y, dy, step, length) : MinorAt(from.x, dx, step, length);
        const LONG x = static_cast<LONG>(xMajor ? major : minor);
        const LONG y = static_cast<LONG>(xMajor ? minor : major);
        if (pattern == nullptr || IsDrawnStep(*pattern, step)) {
            painter.PlotRop2(x, y, penPixel, rop2);
        } else if (opaqueGaps) {
            painter.PlotRop2(x, y, gapPixel, rop2);
        }
    }
}

}  // namespace layer::gdi
