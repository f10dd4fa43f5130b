// Line breaking and placement of a push button's caption.
#include "app/button_caption.h"

#include <algorithm>

namespace quorvane {
namespace {

int CharacterWidth(HDC dc, std::string_view character) {
    SIZE extent{0, 0};
    ::GetTextExtentPoint32A(dc, character.data(), static_cast<int>(character.size()), &extent);
    return extent.cx;
}

size_t CharacterLength(std::string_view text, size_t at) {
    if (at + 1 < text.size() && ::IsDBCSLeadByte(static_cast<BYTE>(text[at]))) {
        return 2;
    }
    return 1;
}

}  // namespace

std::string WithoutMnemonics(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = CharacterLength(text, at);
        if (length == 1 && text[at] == '&') {
            // The character after a single ampersand shows; a doubled one shows as one.
            if (at + 1 < text.size() && text[at + 1] == '&') {
                shown.push_back('&');
                at += 2;
            } else {
                at += 1;
            }
            continue;
        }
        shown.append(text.substr(at, length));
        at += length;
    }
    return shown;
}

std::vector<std::string> BreakCaptionLines(HDC dc, std::string_view text, int maxWidth) {
    // The width of a line is the sum of its characters' advances; a single ampersand adds none
    // and makes the character after it count as shown, so "&&" adds one ampersand.
    std::vector<std::string> lines;
    std::string line;
    bool lineOpen = false;
    long long lineWidth = 0;
    bool afterAmpersand = false;
    for (size_t at = 0; at < text.size();) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            lines.push_back(line);
            line.clear();
            lineOpen = false;
            lineWidth = 0;
            afterAmpersand = false;
            at += 2;
            continue;
        }
        const size_t length = CharacterLength(text, at);
        const std::string_view character = text.substr(at, length);
        int width = 0;
        bool nextAfterAmpersand = false;
        if (length == 1 && character[0] == '&' && !afterAmpersand) {
            nextAfterAmpersand = true;
        } else {
            width = CharacterWidth(dc, character);
        }
        if (!line.empty() &&
            (line.size() + length > kMaxCaptionLineBytes || lineWidth + width > maxWidth)) {
            lines.push_back(line);
            line.clear();
            lineWidth = 0;
        }
        line.append(character);
        lineWidth += width;
        afterAmpersand = nextAfterAmpersand;
        lineOpen = true;
        at += length;
    }
    if (lineOpen) {
        lines.push_back(line);
    }
    return lines;
}

void DrawButtonCaption(HDC dc, std::string_view text, const RECT& face, DWORD style) {
    if (text.empty() || face.right <= face.left || face.bottom <= face.top) {
        return;
    }
    const std::vector<std::string> lines = BreakCaptionLines(dc, text, face.right - face.left);
    SIZE sample{0, 0};
    ::GetTextExtentPoint32A(dc, "a", 1, &sample);
    const int lineHeight = std::max<int>(sample.cy, 1);
    const int faceHeight = face.bottom - face.top;
    const long long wanted = static_cast<long long>(lines.size()) * lineHeight;
    const int blockHeight = static_cast<int>(std::min<long long>(wanted, faceHeight));

    int top = face.top + (faceHeight - blockHeight) / 2;
    switch (style & BS_VCENTER) {
        case BS_TOP:
            top = face.top;
            break;
        case BS_BOTTOM:
            top = face.bottom - blockHeight;
            break;
        default:
            break;
    }
    UINT horizontal = DT_CENTER;
    switch (style & BS_CENTER) {
        case BS_LEFT:
            horizontal = DT_LEFT;
            break;
        case BS_RIGHT:
            horizontal = DT_RIGHT;
            break;
        default:
            break;
    }
    for (const std::string& line : lines) {
        if (top >= face.bottom) {
            break;
        }
        RECT lineRect{face.left, top, face.right, std::min<LONG>(top + lineHeight, face.bottom)};
        if (!line.empty()) {
            ::DrawTextA(dc, line.data(), static_cast<int>(line.size()), &lineRect,
                        DT_SINGLELINE | DT_TOP | horizontal);
        }
        top += lineHeight;
    }
}

}  // namespace quorvane
