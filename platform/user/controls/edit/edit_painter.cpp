// The edit control's client painting. Only the characters that fall inside the area being
// painted are looked at, so a long text costs no more to paint than a short one.
#include "platform/user/controls/edit/edit_painter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/user/controls/edit/edit_control.h"

namespace layer::user::edit {

namespace {

// Asks the parent for the colours (WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC for a read-only or
// disabled box); it sets the DC's text and background colours and returns the brush. A box
// without a parent, or a parent that answers no brush, gets the default answer.
HBRUSH AskForColours(const EditControl& control, HDC dc) {
    HWND window = control.Window();
    DWORD style = control.Style();
    UINT message =
        (style & ES_READONLY) || !IsWindowEnabled(window) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HWND parent = GetParent(window);
    LRESULT answer = 0;
    if (parent != nullptr) {
        answer = SendMessageA(parent, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(window));
    }
    if (answer == 0) {
        answer = DefWindowProcA(window, message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(window));
    }
    return reinterpret_cast<HBRUSH>(answer);
}

// Draws the characters [first, last) at their laid-out positions, clipped to `clip`.
void DrawRun(const EditControl& control, HDC dc, size_t first, size_t last, const RECT& clip) {
    if (first >= last) {
        return;
    }
    const EditText& text = control.Text();
    std::string shown;
    std::vector<INT> advances;
    shown.reserve(last - first);
    advances.reserve(last - first);
    for (size_t offset = first; offset < last;) {
        size_t next = text.NextBoundary(offset);
        int advance = text.XOf(next) - text.XOf(offset);
        if (control.PasswordCharacter() != 0) {
            shown.push_back(control.PasswordCharacter());
            advances.push_back(advance);
        } else {
            shown.append(text.Bytes(), offset, next - offset);
            advances.push_back(advance);
            // A double-byte character's width sits on its lead byte.
            for (size_t byte = offset + 1; byte < next; ++byte) {
                advances.push_back(0);
            }
        }
        offset = next;
    }
    ExtTextOutA(dc, control.ClientXOf(first), EditControl::kTextTop, ETO_CLIPPED, &clip,
                shown.data(), static_cast<UINT>(shown.size()), advances.data());
}

}  // namespace

void PaintEditClient(const EditControl& control, HDC dc, const RECT& update) {
    RECT client{0, 0, 0, 0};
    GetClientRect(control.Window(), &client);
    RECT area{0, 0, 0, 0};
    if (!IntersectRect(&area, &client, &update)) {
        return;
    }
    HBRUSH background = AskForColours(control, dc);
    FillRect(dc, &area, background);

    HGDIOBJ previousFont = control.Font() != nullptr ? SelectObject(dc, control.Font()) : nullptr;
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF textColour = GetTextColor(dc);

    // The characters that touch the area: from the one under its left edge to the one under its
    // right edge. A glyph may overhang its cell a little, so one more on each side is drawn.
    const EditText& text = control.Text();
    size_t first = text.PreviousBoundary(control.BoundaryAtClientX(area.left));
    size_t last = text.NextBoundary(text.NextBoundary(control.BoundaryAtClientX(area.right)));
    RECT textClip = control.TextArea();
    textClip.left = 0;
    textClip.right = client.right;
    IntersectRect(&textClip, &textClip, &area);

    auto [selectionStart, selectionEnd] = control.Selection();
    if (!control.ShowsSelection() || selectionStart == selectionEnd) {
        selectionStart = selectionEnd = last;
    }
    selectionStart = std::clamp(selectionStart, first, last);
    selectionEnd = std::clamp(selectionEnd, first, last);

    DrawRun(control, dc, first, selectionStart, textClip);
    DrawRun(control, dc, selectionEnd, last, textClip);
    if (selectionStart < selectionEnd) {
        RECT highlight{control.ClientXOf(selectionStart), EditControl::kTextTop,
                       control.ClientXOf(selectionEnd),
                       EditControl::kTextTop + control.LineHeight()};
        RECT visibleHighlight{0, 0, 0, 0};
        if (IntersectRect(&visibleHighlight, &highlight, &textClip)) {
            FillRect(dc, &visibleHighlight, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        DrawRun(control, dc, selectionStart, selectionEnd, visibleHighlight);
        SetTextColor(dc, textColour);
    }

    SetBkMode(dc, previousMode);
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }
}

}  // namespace layer::user::edit
