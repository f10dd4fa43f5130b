// The message box's layout: the text is measured at the widest allowed width, the icon stands at
// the top left with the text beside it, centred on the icon when shorter, and the buttons are
// centred in a row below both.
#include "platform/user/controls/message_box/message_box_layout.h"

#include <algorithm>

namespace layer::user {
namespace {

using Metrics = MessageBoxMetrics;

SIZE MeasureText(const std::string& text, HFONT font, int maximumWidth) {
    HDC dc = ::GetDC(nullptr);
    if (dc == nullptr) {
        return SIZE{0, 0};
    }
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT bounds{0, 0, maximumWidth, 0};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                kMessageBoxTextFormat | DT_CALCRECT);
    if (bounds.bottom - bounds.top <= 0) {
        // An empty text still takes one line, so that the box keeps its proportions.
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        bounds.bottom = bounds.top + metrics.tmHeight;
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(nullptr, dc);
    return SIZE{std::min(static_cast<int>(bounds.right - bounds.left), maximumWidth),
                bounds.bottom - bounds.top};
}

}  // namespace

int MessageBoxMaximumTextWidth() {
    const int threeButtons = 3 * Metrics::kButtonWidth + 2 * Metrics::kButtonGap;
    return std::max(::GetSystemMetrics(SM_CXSCREEN) * 3 / 10, threeButtons);
}

MessageBoxLayout LayOutMessageBox(const std::string& text, bool withIcon, int buttonCount,
                                  HFONT font) {
    MessageBoxLayout layout;
    const SIZE textSize = MeasureText(text, font, MessageBoxMaximumTextWidth());

    int textLeft = Metrics::kMargin;
    int contentBottom = Metrics::kTopMargin + textSize.cy;
    int textTop = Metrics::kTopMargin;
    if (withIcon) {
        layout.icon =
            RECT{Metrics::kMargin, Metrics::kTopMargin, Metrics::kMargin + Metrics::kIconSize,
                 Metrics::kTopMargin + Metrics::kIconSize};
        textLeft = layout.icon.right + Metrics::kIconTextGap;
        if (textSize.cy < Metrics::kIconSize) {
            textTop += (Metrics::kIconSize - textSize.cy) / 2;
        }
        contentBottom = std::max(textTop + textSize.cy, static_cast<int>(layout.icon.bottom));
    }
    layout.text = RECT{textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy};

    const int count = std::max(buttonCount, 0);
    const int rowWidth =
        count * Metrics::kButtonWidth + std::max(count - 1, 0) * Metrics::kButtonGap;
    const int width = std::max(static_cast<int>(layout.text.right) + Metrics::kMargin,
                               rowWidth + 2 * Metrics::kMargin);
    const int buttonTop = contentBottom + Metrics::kContentGap;
    int left = (width - rowWidth) / 2;
    for (int index = 0; index < count; ++index) {
        layout.buttons.push_back(RECT{left, buttonTop, left + Metrics::kButtonWidth,
                                      buttonTop + Metrics::kButtonHeight});
        left += Metrics::kButtonWidth + Metrics::kButtonGap;
    }
    layout.client = SIZE{width, buttonTop + Metrics::kButtonHeight + Metrics::kBottomMargin};
    return layout;
}

}  // namespace layer::user
