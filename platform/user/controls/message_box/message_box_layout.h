// Where the parts of a message box go: the client size, the icon, the text and the buttons,
// from the text measured in the box's font.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace layer::user {

// The measurements the layout follows, in pixels.
struct MessageBoxMetrics {
    static constexpr int kMargin = 14;    // left and right of the contents
    static constexpr int kTopMargin = 8;  // above the icon and the text
    static constexpr int kIconSize = 32;
    static constexpr int kIconTextGap = 14;  // between the icon and the text
    static constexpr int kContentGap = 8;    // between the text (or icon) and the buttons
    static constexpr int kBottomMargin = 8;  // below the buttons
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;
    static constexpr int kButtonGap = 18;
};

struct MessageBoxLayout {
    SIZE client{0, 0};
    RECT icon{0, 0, 0, 0};  // empty when the box has no icon
    RECT text{0, 0, 0, 0};
    std::vector<RECT> buttons;
};

// The DrawTextA format of the text, used for measuring and for showing it (through the Static
// control's SS_LEFT | SS_NOPREFIX).
inline constexpr UINT kMessageBoxTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

// The widest the text may be before lines wrap: three tenths of the screen width, never less
// than what three buttons need.
int MessageBoxMaximumTextWidth();

// Lays out a box for the text (code page 936), with or without an icon, with buttonCount buttons,
// measuring the text with the font.
MessageBoxLayout LayOutMessageBox(const std::string& text, bool withIcon, int buttonCount,
                                  HFONT font);

}  // namespace layer::user
