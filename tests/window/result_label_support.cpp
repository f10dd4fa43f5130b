// What the result label's tests share.
#include "tests/window/result_label_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "window/form.h"

namespace quorvane::testing {

TransparentLabel* ResultLabel() {
    auto* label = dynamic_cast<TransparentLabel*>(Control::FromHandle(ControlHandle(kResultLabel)));
    EXPECT_NE(label, nullptr) << "the running program has no result label";
    return label;
}

COLORREF Capture::At(int x, int y, COLORREF background) const {
    if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) {
        return background;
    }
    const int width = area.right - area.left;
    return pixels[static_cast<size_t>((y - area.top) * width + (x - area.left))];
}

Capture CaptureArea(layer::testing::Screen& screen, const RECT& area) {
    Capture capture{area, {}};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            capture.pixels.push_back(screen.Pixel(x, y));
        }
    }
    return capture;
}

size_t DifferingPixels(const Capture& first, const Capture& second) {
    if (!::EqualRect(&first.area, &second.area) || first.pixels.size() != second.pixels.size()) {
        return std::max(first.pixels.size(), second.pixels.size());
    }
    size_t differing = 0;
    for (size_t index = 0; index < first.pixels.size(); ++index) {
        differing += first.pixels[index] != second.pixels[index] ? 1 : 0;
    }
    return differing;
}

std::string DescribeDifference(const Capture& first, const Capture& second) {
    if (!::EqualRect(&first.area, &second.area) || first.pixels.size() != second.pixels.size()) {
        return "captures of different areas";
    }
    Capture marks{first.area, {}};
    for (size_t index = 0; index < first.pixels.size(); ++index) {
        marks.pixels.push_back(first.pixels[index] != second.pixels[index] ? 1 : 0);
    }
    const Ink differing = InkOf(marks, 0);
    return std::to_string(differing.count) + " pixels differ within " + Describe(differing.box);
}

Ink InkOf(const Capture& capture, COLORREF background) {
    Ink ink;
    for (int y = capture.area.top; y < capture.area.bottom; ++y) {
        for (int x = capture.area.left; x < capture.area.right; ++x) {
            if (capture.At(x, y, background) == background) {
                continue;
            }
            if (ink.count == 0) {
                ink.box = {x, y, x + 1, y + 1};
            }
            ink.box.left = std::min<LONG>(ink.box.left, x);
            ink.box.top = std::min<LONG>(ink.box.top, y);
            ink.box.right = std::max<LONG>(ink.box.right, x + 1);
            ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
            ++ink.count;
        }
    }
    return ink;
}

int InkOutside(const Capture& capture, const RECT& inside, COLORREF background) {
    int count = 0;
    for (int y = capture.area.top; y < capture.area.bottom; ++y) {
        for (int x = capture.area.left; x < capture.area.right; ++x) {
            const bool within =
                x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom;
            if (!within && capture.At(x, y, background) != background) {
                ++count;
            }
        }
    }
    return count;
}

std::vector<uint8_t> ResultFontBlock(LONG weight) {
    const FormEntry* entry = FindFormEntry(MainWindowForm(), kResultLabel);
    const auto& settings = std::get<TransparentLabelSettings>(entry->settings);
    LOGFONTA font = *settings.font;
    font.lfWeight = weight;
    std::vector<uint8_t> block(sizeof(LOGFONTA));
    std::memcpy(block.data(), &font, sizeof(LOGFONTA));
    return block;
}

std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

}  // namespace quorvane::testing
