// GradientFill: rectangles shaded left to right or top to bottom, and triangles shaded linearly
// between their corners, on 16-bit channels as measured. A channel's byte is the high byte of the
// exact interpolation rounded down.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/api/kernel32.h"
#include "platform/api/msimg32.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/painter.h"

using namespace layer::gdi;

namespace {

using Channels = std::array<int64_t, 3>;

Channels ChannelsOf(const TRIVERTEX& vertex) {
    return Channels{vertex.Red, vertex.Green, vertex.Blue};
}

uint32_t PixelFromChannels(const Channels& channels) {
    auto byte = [](int64_t value) {
        return static_cast<uint32_t>(std::clamp<int64_t>(value, 0, 0xFFFF) >> 8);
    };
    return (byte(channels[0]) << 16) | (byte(channels[1]) << 8) | byte(channels[2]);
}

// floor(numerator / denominator) for a positive denominator.
__int128 FloorDivideWide(__int128 numerator, __int128 denominator) {
    // Nearly every call fits in 64 bits, where division is far cheaper.
    constexpr __int128 kNarrow = INT64_MAX;
    if (numerator <= kNarrow && numerator >= -kNarrow && denominator <= kNarrow) {
        const auto narrowNumerator = static_cast<int64_t>(numerator);
        const auto narrowDenominator = static_cast<int64_t>(denominator);
        int64_t quotient = narrowNumerator / narrowDenominator;
        if (narrowNumerator % narrowDenominator != 0 && narrowNumerator < 0) {
            --quotient;
        }
        return quotient;
    }
    __int128 quotient = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0) {
        --quotient;
    }
    return quotient;
}

int64_t FloorDivide(__int128 numerator, __int128 denominator) {
    return static_cast<int64_t>(FloorDivideWide(numerator, denominator));
}

// floor(start / denominator), then floor((start + k * step) / denominator) for k = 1, 2, ...
// without dividing again: the quotient and remainder move by the step's own. Int is 64 bits
// whenever the denominator allows it, 128 bits for far-flung triangles.
template <typename Int>
class SteppedQuotient {
  public:
    SteppedQuotient() = default;
    SteppedQuotient(__int128 start, __int128 step, __int128 denominator)
        : denominator_(static_cast<Int>(denominator)) {
        const __int128 quotient = FloorDivideWide(start, denominator);
        const __int128 stepQuotient = FloorDivideWide(step, denominator);
        quotient_ = static_cast<Int>(quotient);
        remainder_ = static_cast<Int>(start - quotient * denominator);
        stepQuotient_ = static_cast<Int>(stepQuotient);
        stepRemainder_ = static_cast<Int>(step - stepQuotient * denominator);
    }
    int64_t Value() const { return static_cast<int64_t>(quotient_); }
    void Step() {
        quotient_ += stepQuotient_;
        remainder_ += stepRemainder_;
        if (remainder_ >= denominator_) {
            remainder_ -= denominator_;
            ++quotient_;
        }
    }

  private:
    Int denominator_ = 1;
    Int quotient_ = 0;
    Int remainder_ = 0;
    Int stepQuotient_ = 0;
    Int stepRemainder_ = 0;
};

// Writes `count` pixels from `span` on, whose channel mixes start at `starts` and move by `steps`
// per pixel, all over one denominator.
template <typename Int>
void FillSpan(uint32_t* span, int64_t count, const std::array<__int128, 3>& starts,
              const std::array<__int128, 3>& steps, __int128 denominator) {
    std::array<SteppedQuotient<Int>, 3> mix;
    for (size_t i = 0; i < 3; ++i) {
        mix[i] = SteppedQuotient<Int>(starts[i], steps[i], denominator);
    }
    for (int64_t k = 0; k < count; ++k) {
        span[k] = PixelFromChannels(Channels{mix[0].Value(), mix[1].Value(), mix[2].Value()});
        for (SteppedQuotient<Int>& channel : mix) {
            channel.Step();
        }
    }
}

// The channel at distance `offset` of `span` from the first colour towards the second.
uint32_t Interpolate(const Channels& first, const Channels& second, int64_t offset, int64_t span) {
    Channels result{};
    for (size_t i = 0; i < 3; ++i) {
        result[i] =
            FloorDivide(__int128{first[i]} * (span - offset) + __int128{second[i]} * offset, span);
    }
    return PixelFromChannels(result);
}

void FillRectangle(Painter& painter, const TRIVERTEX& a, const TRIVERTEX& b, bool horizontal) {
    // The colour of the vertex on the left (or at the top) starts the gradient, whichever of the
    // two the mesh names first.
    const bool aFirst = horizontal ? a.x <= b.x : a.y <= b.y;
    const TRIVERTEX& start = aFirst ? a : b;
    const TRIVERTEX& end = aFirst ? b : a;
    const RECT rect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const int64_t span =
        horizontal ? int64_t{rect.right} - rect.left : int64_t{rect.bottom} - rect.top;
    if (span <= 0) {
        return;
    }
    const Channels first = ChannelsOf(start);
    const Channels second = ChannelsOf(end);
    const POINT origin = painter.Origin();
    painter.ForEachVisiblePart(rect, [&](const RECT& part) {
        Surface& surface = painter.Target();
        if (horizontal) {
            // Every row of the part is the same: compute one and copy it.
            std::vector<uint32_t> line(static_cast<size_t>(part.right - part.left));
            for (LONG x = part.left; x < part.right; ++x) {
                line[static_cast<size_t>(x - part.left)] =
                    Interpolate(first, second, int64_t{x} - origin.x - rect.left, span);
            }
            for (LONG y = part.top; y < part.bottom; ++y) {
                std::copy(line.begin(), line.end(), surface.Row(y) + part.left);
            }
            return;
        }
        for (LONG y = part.top; y < part.bottom; ++y) {
            const uint32_t pixel =
                Interpolate(first, second, int64_t{y} - origin.y - rect.top, span);
            std::fill(surface.Row(y) + part.left, surface.Row(y) + part.right, pixel);
        }
    });
}

// The first pixel column at or right of an edge's crossing of row y: ceil of the exact crossing.
int64_t CrossingColumn(const TRIVERTEX& from, const TRIVERTEX& to, int64_t y) {
    const int64_t dy = int64_t{to.y} - from.y;
    const __int128 numerator = __int128{int64_t{to.x} - from.x} * (y - from.y);
    // ceil(from.x + numerator / dy) = from.x - floor(-numerator / dy)
    return from.x - FloorDivide(-numerator, dy);
}

// A triangle covers the pixels whose top-left corner lies inside it, its left and top edges
// included and its right and bottom edges left out; colours are the barycentric mix of the corners.
void FillTriangle(Painter& painter, const TRIVERTEX& v1, const TRIVERTEX& v2, const TRIVERTEX& v3) {
    // Products of coordinate differences need more than 64 bits for far-flung vertices.
    using Wide = __int128;
    const Wide area = Wide{int64_t{v2.x} - v1.x} * (int64_t{v3.y} - v1.y) -
                      Wide{int64_t{v3.x} - v1.x} * (int64_t{v2.y} - v1.y);
    if (area == 0) {
        return;
    }
    std::array<const TRIVERTEX*, 3> sorted{&v1, &v2, &v3};
    std::sort(sorted.begin(), sorted.end(),
              [](const TRIVERTEX* l, const TRIVERTEX* r) { return l->y < r->y; });
    const TRIVERTEX& top = *sorted[0];
    const TRIVERTEX& middle = *sorted[1];
    const TRIVERTEX& bottom = *sorted[2];
    const Channels c1 = ChannelsOf(v1);
    const Channels c2 = ChannelsOf(v2);
    const Channels c3 = ChannelsOf(v3);
    const int sign = area < 0 ? -1 : 1;
    const Wide denominator = area * sign;
    // With 64-bit steps the remainder stays below twice the denominator.
    const bool narrow = denominator <= (Wide{1} << 61);
    const POINT origin = painter.Origin();
    const RECT bounds{std::min({v1.x, v2.x, v3.x}), top.y, std::max({v1.x, v2.x, v3.x}), bottom.y};

    painter.ForEachVisiblePart(bounds, [&](const RECT& part) {
        Surface& surface = painter.Target();
        for (LONG deviceY = part.top; deviceY < part.bottom; ++deviceY) {
            const int64_t y = int64_t{deviceY} - origin.y;
            // The long edge spans every row; the row meets one of the two short edges as well.
            const int64_t longEdge = CrossingColumn(top, bottom, y);
            const int64_t shortEdge =
                y < middle.y ? CrossingColumn(top, middle, y) : CrossingColumn(middle, bottom, y);
            const int64_t left =
                std::max<int64_t>(std::min(longEdge, shortEdge), int64_t{part.left} - origin.x);
            const int64_t right =
                std::min<int64_t>(std::max(longEdge, shortEdge), int64_t{part.right} - origin.x);
            if (left >= right) {
                continue;
            }
            // The weights are linear in x, so each channel's mix is too: start it at the left end
            // of the span as a quotient and remainder, then step it one pixel at a time.
            const Wide w2 = sign * (Wide{left - v1.x} * (int64_t{v3.y} - v1.y) -
                                    Wide{int64_t{v3.x} - v1.x} * (y - v1.y));
            const Wide w3 = sign * (Wide{int64_t{v2.x} - v1.x} * (y - v1.y) -
                                    Wide{left - v1.x} * (int64_t{v2.y} - v1.y));
            const Wide w1 = denominator - w2 - w3;
            const Wide step2 = sign * Wide{int64_t{v3.y} - v1.y};
            const Wide step3 = -sign * Wide{int64_t{v2.y} - v1.y};
            const Wide step1 = -step2 - step3;
            std::array<Wide, 3> starts{};
            std::array<Wide, 3> steps{};
            for (size_t i = 0; i < 3; ++i) {
                starts[i] = c1[i] * w1 + c2[i] * w2 + c3[i] * w3;
                steps[i] = c1[i] * step1 + c2[i] * step2 + c3[i] * step3;
            }
            uint32_t* span = surface.Row(deviceY) + (left + origin.x);
            if (narrow) {
                FillSpan<int64_t>(span, right - left, starts, steps, denominator);
            } else {
                FillSpan<__int128>(span, right - left, starts, steps, denominator);
            }
        }
    });
}

}  // namespace

BOOL WINAPI GradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh,
                         ULONG meshCount, ULONG mode) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    mode &= GRADIENT_FILL_OP_FLAG;
    if (vertices == nullptr || mesh == nullptr ||
        (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V &&
         mode != GRADIENT_FILL_TRIANGLE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Every index is checked before anything is drawn, so a bad mesh draws nothing.
    const auto valid = [&](ULONG index) { return index < vertexCount; };
    if (mode == GRADIENT_FILL_TRIANGLE) {
        const auto* triangles = static_cast<const GRADIENT_TRIANGLE*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i) {
            const GRADIENT_TRIANGLE& t = triangles[i];
            if (!valid(t.Vertex1) || !valid(t.Vertex2) || !valid(t.Vertex3)) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return FALSE;
            }
        }
        Painter painter(*context);
        for (ULONG i = 0; i < meshCount; ++i) {
            FillTriangle(painter, vertices[triangles[i].Vertex1], vertices[triangles[i].Vertex2],
                         vertices[triangles[i].Vertex3]);
        }
        return TRUE;
    }
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG i = 0; i < meshCount; ++i) {
        if (!valid(rects[i].UpperLeft) || !valid(rects[i].LowerRight)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    Painter painter(*context);
    for (ULONG i = 0; i < meshCount; ++i) {
        FillRectangle(painter, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight],
                      mode == GRADIENT_FILL_RECT_H);
    }
    return TRUE;
}
