// Painting a group box in the XP look: background strips, the frame, its rounded corners and the
// caption placed by the box's alignment.
#include "app/group_box_painter.h"

#include "app/solid_fill.h"
#include "app/xp_look_colours.h"

namespace quorvane {
namespace {

enum class CaptionPlace { Left, Centre, Right };

CaptionPlace PlaceOf(DWORD style) {
    switch (style & BS_CENTER) {
        case BS_RIGHT:
            return CaptionPlace::Right;
        case BS_CENTER:
            return CaptionPlace::Centre;
        default:
            return CaptionPlace::Left;
    }
}

// Where the caption's box, its gap in the frame and its text rectangle lie along the top.
struct CaptionLayout {
    int boxLeft;
    int gapLeft;
    int gapRightInclusive;
    RECT textRect;
    UINT textAlignment;
};

CaptionLayout LayOut(CaptionPlace place, int width, SIZE extent) {
    const int cx = extent.cx;
    const int cy = extent.cy;
    switch (place) {
        case CaptionPlace::Centre: {
            const int start = (width - cx) / 2;
            return {start, start - 5, start + cx + 4, {0, 0, width, cy}, DT_CENTER};
        }
        case CaptionPlace::Right:
            return {width - 10 - cx, width - 10 - cx, width - 11, {0, 0, width - 10, cy}, DT_RIGHT};
        case CaptionPlace::Left:
        default:
            return {10, 8, cx + 9, {9, 0, width, cy}, DT_LEFT};
    }
}

SIZE SampleExtent() {
    SIZE extent{0, 0};
    HDC screen = ::GetDC(nullptr);
    if (screen != nullptr) {
        HGDIOBJ previous = ::SelectObject(screen, ::GetStockObject(SYSTEM_FONT));
        ::GetTextExtentPoint32A(screen, "a", 1, &extent);
        ::SelectObject(screen, previous);
        ::ReleaseDC(nullptr, screen);
    }
    return extent;
}

// Each corner of the frame loses its corner pixel and the two pixels beside it along each side
// to the background; the two pixels diagonally inside take the frame colour.
void RoundCorners(HDC dc, int left, int top, int right, int bottom, COLORREF background) {
    struct Corner {
        int x;
        int y;
        int stepX;  // +1 from a left corner inwards, -1 from a right one
        int stepY;
    };
    const Corner corners[4] = {
        {left, top, 1, 1}, {right, top, -1, 1}, {left, bottom, 1, -1}, {right, bottom, -1, -1}};
    for (const Corner& c : corners) {
        ::SetPixel(dc, c.x, c.y, background);
        for (int along = 1; along <= 2; ++along) {
            ::SetPixel(dc, c.x + along * c.stepX, c.y, background);
            ::SetPixel(dc, c.x, c.y + along * c.stepY, background);
        }
        ::SetPixel(dc, c.x + 2 * c.stepX, c.y + 1 * c.stepY, kGroupFrame);
        ::SetPixel(dc, c.x + 1 * c.stepX, c.y + 2 * c.stepY, kGroupFrame);
    }
}

}  // namespace

void PaintGroupBox(HDC dc, const GroupBoxPaint& paint) {
    const int width = paint.size.cx;
    const int height = paint.size.cy;
    if (width <= 0 || height <= 0) {
        return;
    }
    HGDIOBJ previousFont = paint.font != nullptr ? ::SelectObject(dc, paint.font) : nullptr;
    const bool hasCaption = !paint.text.empty();
    SIZE extent{0, 0};
    if (hasCaption) {
        ::GetTextExtentPoint32A(dc, paint.text.data(), static_cast<int>(paint.text.size()),
                                &extent);
    } else {
        extent = SampleExtent();
    }
    const int frameTop = extent.cy / 2;
    const CaptionLayout layout = LayOut(PlaceOf(paint.style), width, extent);

    if (hasCaption) {
        FillSolid(dc, {layout.boxLeft, 0, layout.boxLeft + extent.cx, extent.cy}, paint.background);
        FillSolid(dc, {0, 0, width, frameTop + 2}, paint.background);
    } else {
        FillSolid(dc, {0, 0, width, 2}, paint.background);
    }
    FillSolid(dc, {0, 0, 2, height}, paint.background);
    FillSolid(dc, {width - 2, 0, width, height}, paint.background);
    FillSolid(dc, {0, height - 2, width, height}, paint.background);

    FrameSolid(dc, {0, frameTop, width, height}, kGroupFrame);
    const COLORREF readBack = ::GetPixel(dc, 0, 0);
    const COLORREF cornerBackground = readBack == CLR_INVALID ? paint.background : readBack;
    RoundCorners(dc, 0, frameTop, width - 1, height - 1, cornerBackground);

    if (hasCaption) {
        FillSolid(dc, {layout.gapLeft, frameTop, layout.gapRightInclusive + 1, frameTop + 1},
                  paint.background);
        const int previousMode = ::SetBkMode(dc, TRANSPARENT);
        const COLORREF previousColour = ::SetTextColor(dc, paint.textColour);
        RECT textRect = layout.textRect;
        ::DrawTextA(dc, paint.text.data(), static_cast<int>(paint.text.size()), &textRect,
                    DT_SINGLELINE | DT_TOP | layout.textAlignment);
        ::SetTextColor(dc, previousColour);
        ::SetBkMode(dc, previousMode);
    }
    if (previousFont != nullptr) {
        ::SelectObject(dc, previousFont);
    }
}

}  // namespace quorvane
