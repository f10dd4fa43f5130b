// Our artwork for the system icons. Each icon is a stack of filled shapes in a unit square; a
// pixel takes the colour of the topmost shape at each of 4 x 4 sample points and their average,
// so the edges are smooth at every size.
#include "platform/user/icons/system_icons.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace layer::user {

namespace {

using Shape = std::function<bool(double u, double v)>;

struct Layer {
    Shape shape;
    uint32_t argb;
};

constexpr int kSamplesPerAxis = 4;

Shape Disc(double centreU, double centreV, double radius) {
    return [=](double u, double v) {
        return (u - centreU) * (u - centreU) + (v - centreV) * (v - centreV) <= radius * radius;
    };
}

double DistanceToSegment(double u, double v, double u0, double v0, double u1, double v1) {
    const double du = u1 - u0;
    const double dv = v1 - v0;
    const double lengthSquared = du * du + dv * dv;
    double t = lengthSquared > 0 ? ((u - u0) * du + (v - v0) * dv) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double pu = u0 + t * du - u;
    const double pv = v0 + t * dv - v;
    return std::sqrt(pu * pu + pv * pv);
}

// A stroke of the given half width along a segment, with round ends.
Shape Stroke(double u0, double v0, double u1, double v1, double halfWidth) {
    return [=](double u, double v) { return DistanceToSegment(u, v, u0, v0, u1, v1) <= halfWidth; };
}

Shape Box(double left, double top, double right, double bottom) {
    return [=](double u, double v) { return u >= left && u < right && v >= top && v < bottom; };
}

Shape Triangle(double apexV, double baseV, double halfBase) {
    return [=](double u, double v) {
        if (v < apexV || v > baseV) {
            return false;
        }
        const double halfWidthHere = halfBase * (v - apexV) / (baseV - apexV);
        return std::abs(u - 0.5) <= halfWidthHere;
    };
}

// A question mark: the upper half of a ring and its lower right quarter, a stem and a dot.
Shape QuestionMark(double halfWidth) {
    constexpr double kCentreU = 0.5;
    constexpr double kCentreV = 0.37;
    constexpr double kRadius = 0.14;
    Shape hook = [=](double u, double v) {
        const double distance = std::hypot(u - kCentreU, v - kCentreV);
        const bool onRing = std::abs(distance - kRadius) <= halfWidth;
        return onRing && (v <= kCentreV || u >= kCentreU);
    };
    Shape stem = Stroke(kCentreU, kCentreV + kRadius, kCentreU, 0.62, halfWidth);
    Shape dot = Disc(kCentreU, 0.75, halfWidth * 1.3);
    return [=](double u, double v) { return hook(u, v) || stem(u, v) || dot(u, v); };
}

std::vector<Layer> Artwork(WORD id) {
    constexpr uint32_t kWhite = 0xFFFFFFFF;
    constexpr uint32_t kBlack = 0xFF000000;
    switch (id) {
        case 32513:  // IDI_HAND: a red disc with a white cross.
            return {{Disc(0.5, 0.5, 0.47), 0xFF800000},
                    {Disc(0.5, 0.5, 0.42), 0xFFE02020},
                    {Stroke(0.33, 0.33, 0.67, 0.67, 0.065), kWhite},
                    {Stroke(0.67, 0.33, 0.33, 0.67, 0.065), kWhite}};
        case 32514:  // IDI_QUESTION: a white disc ringed in blue with a blue question mark.
            return {{Disc(0.5, 0.5, 0.47), 0xFF1040A0},
                    {Disc(0.5, 0.5, 0.42), kWhite},
                    {QuestionMark(0.055), 0xFF1850C8}};
        case 32515:  // IDI_EXCLAMATION: a yellow triangle with a black exclamation mark.
            return {{Triangle(0.02, 0.95, 0.5), 0xFF604000},
                    {Triangle(0.09, 0.91, 0.43), 0xFFF8D020},
                    {Stroke(0.5, 0.36, 0.5, 0.66, 0.055), kBlack},
                    {Disc(0.5, 0.79, 0.065), kBlack}};
        case 32516:  // IDI_ASTERISK: a blue disc with a white letter i.
            return {{Disc(0.5, 0.5, 0.47), 0xFF103080},
                    {Disc(0.5, 0.5, 0.42), 0xFF2060D0},
                    {Disc(0.5, 0.28, 0.07), kWhite},
                    {Box(0.44, 0.42, 0.56, 0.78), kWhite}};
        case 32512:  // IDI_APPLICATION and IDI_WINLOGO: a small window with a blue caption.
        case 32517:
            return {{Box(0.06, 0.12, 0.94, 0.88), kBlack},
                    {Box(0.09, 0.15, 0.91, 0.85), kWhite},
                    {Box(0.09, 0.15, 0.91, 0.30), 0xFF0A246A}};
        default:
            return {};
    }
}

// The average of premultiplied samples, turned back into straight alpha.
uint32_t Average(const uint64_t (&sums)[4], int count) {
    const uint64_t alpha = sums[0] / count;
    if (alpha == 0) {
        return 0;
    }
    auto channel = [&](int index) {
        return static_cast<uint32_t>(std::min<uint64_t>(
            255, (sums[index] / count + alpha / 2) / std::max<uint64_t>(alpha, 1)));
    };
    return static_cast<uint32_t>(alpha) << 24 | channel(1) << 16 | channel(2) << 8 | channel(3);
}

}  // namespace

std::optional<IconImage> DrawSystemIcon(WORD id, int size) {
    const std::vector<Layer> layers = Artwork(id);
    if (layers.empty() || size <= 0) {
        return std::nullopt;
    }
    IconImage image;
    image.width = size;
    image.height = size;
    image.argb.resize(static_cast<size_t>(size) * size);
    constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Alpha, then red, green and blue multiplied by alpha.
            uint64_t sums[4] = {0, 0, 0, 0};
            for (int sample = 0; sample < kSamples; ++sample) {
                const double u = (x + (sample % kSamplesPerAxis + 0.5) / kSamplesPerAxis) / size;
                const double v = (y + (sample / kSamplesPerAxis + 0.5) / kSamplesPerAxis) / size;
                auto topmost = std::find_if(layers.rbegin(), layers.rend(),
                                            [&](const Layer& layer) { return layer.shape(u, v); });
                if (topmost == layers.rend()) {
                    continue;
                }
                const uint32_t alpha = topmost->argb >> 24;
                sums[0] += alpha;
                sums[1] += ((topmost->argb >> 16) & 0xFF) * alpha;
                sums[2] += ((topmost->argb >> 8) & 0xFF) * alpha;
                sums[3] += (topmost->argb & 0xFF) * alpha;
            }
            image.argb[static_cast<size_t>(y) * size + x] = Average(sums, kSamples);
        }
    }
    return image;
}

}  // namespace layer::user
