// GradientFill: rectangles shaded left to right or top to bottom, and triangles shaded linearly
// between their corners, on 16-bit channels as measured. A channel's byte is the high byte of the
// exact interpolation rounded down.
#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/api/kernel32.h"
#include "platform/api/msimg32.h"
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
int64_t FloorDivide(__int128 numerator, __int128 denominator) {
    __int128 quotient = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0) {
        --quotient;
    }
    return static_cast<int64_t>(quotient);
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
        for (LONG y = part.top; y < part.bottom; ++y) {
            uint32_t* row = surface.Row(y);
            for (LONG x = part.left; x < part.right; ++x) {
                const int64_t offset = horizontal ? int64_t{x} - origin.x - rect.left
                                                  : int64_t{y} - origin.y - rect.top;
                row[x] = Interpolate(first, second, offset, span);
            }
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
            uint32_t* row = surface.Row(deviceY);
            for (int64_t x = left; x < right; ++x) {
                const Wide w2 = sign * (Wide{x - v1.x} * (int64_t{v3.y} - v1.y) -
                                        Wide{int64_t{v3.x} - v1.x} * (y - v1.y));
                const Wide w3 = sign * (Wide{int64_t{v2.x} - v1.x} * (y - v1.y) -
                                        Wide{x - v1.x} * (int64_t{v2.y} - v1.y));
                const Wide w1 = denominator - w2 - w3;
                Channels mixed{};
                for (size_t i = 0; i < 3; ++i) {
                    mixed[i] = FloorDivide(c1[i] * w1 + c2[i] * w2 + c3[i] * w3, denominator);
                }
                row[x + origin.x] = PixelFromChannels(mixed);
            }
        }
    });
}

}  // namespace

BOOL WINAPI GradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh,
                         ULONG meshCount, ULONG mode) {
    DeviceContext* context = LookupDC(dc);
    if (context == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
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
