// The text drawing that both label kinds share.
#include "window/label_text.h"

#include <algorithm>

namespace quorvane {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

void DrawCopy(HDC dc, const std::string& text, RECT rect, int offset, UINT format,
              COLORREF colour) {
    ::OffsetRect(&rect, offset, offset);
    ::SetTextColor(dc, colour);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace

UINT LabelTextFormat(int32_t horizontalAlignment, bool wordWrap, int32_t verticalAlignment) {
    constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    UINT format = DT_NOCLIP | kHorizontal[std::clamp(horizontalAlignment, 0, 2)];
    if (wordWrap) {
        return format | DT_WORDBREAK | DT_VCENTER;
    }
    return format | DT_SINGLELINE | kVertical[std::clamp(verticalAlignment, 0, 2)];
}

void DrawLabelText(HDC dc, const std::string& text, RECT rect, UINT format, int32_t textEffect,
                   COLORREF colour) {
    ::SetBkMode(dc, TRANSPARENT);
    switch (textEffect) {
        case 1:
            DrawCopy(dc, text, rect, 1, format, kWhite);
            break;
        case 2:
            DrawCopy(dc, text, rect, 0, format, kWhite);
            ::OffsetRect(&rect, 1, 1);
            break;
        case 3:
            DrawCopy(dc, text, rect, 2, format, kBlack);
            break;
        default:
            break;
    }
    DrawCopy(dc, text, rect, 0, format, colour);
}

}  // namespace quorvane
