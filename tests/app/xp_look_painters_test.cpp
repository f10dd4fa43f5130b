// The XP look's painters drawn into a memory DC: the push button in its states, the group box
// frame and caption gap by alignment, the edit border, and the caption's line breaking.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/button_caption.h"
#include "app/edit_border_painter.h"
#include "app/group_box_painter.h"
#include "app/push_button_painter.h"
#include "app/xp_look_colours.h"
#include "platform/win32.h"

namespace quorvane {
namespace {

constexpr COLORREF kButtonFace = RGB(212, 208, 200);
constexpr COLORREF kMarker = RGB(255, 0, 255);

std::string Describe(COLORREF colour) {
    return "RGB(" + std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) +
           "," + std::to_string(GetBValue(colour)) + ")";
}

// A memory DC over a bitmap filled with the marker colour, with the form's kind of font.
class MemoryCanvas {
  public:
    MemoryCanvas(int width, int height) : size_{width, height} {
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateCompatibleBitmap(dc_, width, height);
        previousBitmap_ = ::SelectObject(dc_, bitmap_);
        font_ = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 134, 0, 0, 0, 0, "");
        Fill(kMarker);
    }
    ~MemoryCanvas() {
        ::SelectObject(dc_, previousBitmap_);
        ::DeleteObject(bitmap_);
        ::DeleteObject(font_);
        ::DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    void Fill(COLORREF colour) {
        HBRUSH brush = ::CreateSolidBrush(colour);
        RECT all{0, 0, size_.cx, size_.cy};
        ::FillRect(dc_, &all, brush);
        ::DeleteObject(brush);
    }
    HDC Dc() const { return dc_; }
    HFONT Font() const { return font_; }
    SIZE Size() const { return size_; }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }
    // The bounding box of the text's ink, the pixels whose channels add up to less than the
    // limit (text is drawn smoothed, so few pixels take the text colour exactly); empty when
    // there are none.
    RECT InkBounds(const RECT& area, int limit = 3 * 128) const {
        RECT bounds{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF colour = At(x, y);
                if (GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < limit) {
                    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                              std::max<LONG>(bounds.right, x + 1),
                              std::max<LONG>(bounds.bottom, y + 1)};
                }
            }
        }
        return bounds;
    }

  private:
    SIZE size_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_;
    HFONT font_;
};

#define EXPECT_COLOUR(canvas, x, y, expected)                      \
    EXPECT_EQ(Describe((canvas).At((x), (y))), Describe(expected)) \
        << "at (" << (x) << "," << (y) << ")"

PushButtonPaint DrawButton(const MemoryCanvas& canvas, XpLookState state, int32_t scheme = 2,
                           std::string text = "抽 奖") {
    PushButtonPaint paint;
    paint.size = canvas.Size();
    paint.state = state;
    paint.scheme = scheme;
    paint.buttonFace = kButtonFace;
    paint.text = std::move(text);
    paint.font = canvas.Font();
    paint.style = BS_CENTER | BS_VCENTER | BS_MULTILINE;
    PaintPushButton(canvas.Dc(), paint);
    return paint;
}

TEST(XpLookPushButton, PaintsRingBorderBandFaceAndCutCornersByState) {
    struct Case {
        const char* name;
        XpLookState state;
        int32_t scheme;
        COLORREF border;
        COLORREF bandTop;
        COLORREF faceTop;
    };
    XpLookState normal;
    XpLookState hot;
    hot.hot = true;
    XpLookState pressed;
    pressed.pressed = true;
    pressed.hot = true;
    XpLookState defaultButton;
    defaultButton.defaultButton = true;
    XpLookState checked;
    checked.checked = true;
    const COLORREF olive = RGB(55, 98, 6);
    const Case cases[] = {
        {"normal", normal, 2, olive, RGB(255, 255, 255), RGB(252, 252, 251)},
        {"hot", hot, 2, olive, RGB(255, 240, 207), RGB(252, 252, 251)},
        {"pressed", pressed, 2, olive, RGB(239, 227, 206), RGB(239, 227, 206)},
        {"default", defaultButton, 2, olive, RGB(255, 240, 207), RGB(252, 252, 251)},
        {"checked", checked, 2, olive, RGB(214, 203, 189), RGB(239, 227, 206)},
        {"scheme 1 pressed", pressed, 1, RGB(0, 60, 115), RGB(209, 204, 193), RGB(231, 227, 222)},
        {"scheme 3 default", defaultButton, 3, RGB(0, 60, 116), RGB(206, 231, 255),
         RGB(252, 252, 251)},
        {"scheme 3 pressed", pressed, 3, RGB(0, 60, 116), RGB(239, 227, 206), RGB(179, 178, 197)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryCanvas canvas(96, 104);
        DrawButton(canvas, c.state, c.scheme);
        const int right = 95;
        const int bottom = 103;
        for (POINT ring : {POINT{0, 0}, POINT{48, 0}, POINT{right, 50}, POINT{48, bottom}}) {
            EXPECT_COLOUR(canvas, ring.x, ring.y, kButtonFace);
        }
        for (POINT edge :
             {POINT{48, 1}, POINT{1, 50}, POINT{right - 1, 50}, POINT{48, bottom - 1}}) {
            EXPECT_COLOUR(canvas, edge.x, edge.y, c.border);
        }
        for (POINT corner : {POINT{1, 1}, POINT{right - 1, 1}, POINT{1, bottom - 1},
                             POINT{right - 1, bottom - 1}}) {
            EXPECT_COLOUR(canvas, corner.x, corner.y, kButtonFace);
        }
        for (POINT inner : {POINT{2, 2}, POINT{right - 2, 2}, POINT{2, bottom - 2},
                            POINT{right - 2, bottom - 2}}) {
            EXPECT_COLOUR(canvas, inner.x, inner.y, c.border);
        }
        // Beside the left end of the top rows, so that four-corner gradients show their
        // top-left colour.
        EXPECT_COLOUR(canvas, 3, 2, c.bandTop);
        EXPECT_COLOUR(canvas, 5, 4, c.faceTop);
    }
}

TEST(XpLookPushButton, GradientsRunFromTheTopColourToTheBottomColour) {
    MemoryCanvas canvas(96, 104);
    DrawButton(canvas, XpLookState{});
    // The band spans rows 2 to 101, the face rows 4 to 99; their last rows come within one step
    // of the bottom colours, as GradientFill leaves them.
    const COLORREF bandBottom = canvas.At(48, 101);
    EXPECT_NEAR(GetRValue(bandBottom), 226, 1) << Describe(bandBottom);
    EXPECT_NEAR(GetGValue(bandBottom), 223, 1) << Describe(bandBottom);
    EXPECT_NEAR(GetBValue(bandBottom), 214, 1) << Describe(bandBottom);
    const COLORREF faceBottom = canvas.At(48, 99);
    EXPECT_NEAR(GetRValue(faceBottom), 236, 1) << Describe(faceBottom);
    EXPECT_NEAR(GetGValue(faceBottom), 225, 1) << Describe(faceBottom);
    EXPECT_NEAR(GetBValue(faceBottom), 201, 1) << Describe(faceBottom);
    // A vertical gradient is the same across a row.
    EXPECT_EQ(Describe(canvas.At(10, 60)), Describe(canvas.At(85, 60)));
}

TEST(XpLookPushButton, DisabledIsFlatWithSoftenedCornersAndGreyCaption) {
    MemoryCanvas canvas(96, 104);
    XpLookState disabled;
    disabled.disabled = true;
    disabled.hot = true;  // a disabled button shows no band whatever its other state
    DrawButton(canvas, disabled);
    const COLORREF border = RGB(180, 176, 168);  // the button face minus 0x202020
    EXPECT_COLOUR(canvas, 48, 1, border);
    EXPECT_COLOUR(canvas, 48, 2, kDisabledInside);
    EXPECT_COLOUR(canvas, 48, 4, kDisabledInside);
    EXPECT_COLOUR(canvas, 48, 101, kDisabledInside);
    EXPECT_COLOUR(canvas, 1, 1, kButtonFace);
    EXPECT_COLOUR(canvas, 2, 2, RGB(191, 187, 179));  // minus 0x151515
    for (POINT beside : {POINT{1, 2}, POINT{2, 1}, POINT{93, 1}, POINT{94, 2}, POINT{1, 101},
                         POINT{2, 102}, POINT{93, 102}, POINT{94, 101}}) {
        EXPECT_COLOUR(canvas, beside.x, beside.y, RGB(195, 191, 183));  // minus 0x111111
    }
    // The caption's darkest pixels are the grey caption colour, never darker.
    const RECT face{4, 4, 92, 100};
    const RECT ink = canvas.InkBounds(face, 3 * 230);
    EXPECT_LT(ink.left, ink.right) << "the caption drew nothing";
    const RECT darker =
        canvas.InkBounds(face, GetRValue(kDisabledCaption) + GetGValue(kDisabledCaption) +
                                   GetBValue(kDisabledCaption));
    EXPECT_EQ(darker.left, face.right) << "ink darker than the grey caption colour";
}

TEST(XpLookPushButton, PressedMovesTheCaptionOnePixelRightAndDown) {
    MemoryCanvas up(96, 104);
    MemoryCanvas down(96, 104);
    XpLookState pressed;
    pressed.pressed = true;
    DrawButton(up, XpLookState{});
    DrawButton(down, pressed);
    const RECT face{4, 4, 92, 100};
    const RECT upInk = up.InkBounds(face);
    const RECT downInk = down.InkBounds(face);
    ASSERT_LT(upInk.left, upInk.right) << "the caption drew no black pixel";
    EXPECT_EQ(downInk.left, upInk.left + 1);
    EXPECT_EQ(downInk.top, upInk.top + 1);
    EXPECT_EQ(downInk.right, upInk.right + 1);
    EXPECT_EQ(downInk.bottom, upInk.bottom + 1);
    // Centred both ways in the face.
    EXPECT_NEAR((upInk.left + upInk.right) / 2, 48, 1);
    EXPECT_NEAR((upInk.top + upInk.bottom) / 2, 52, 2);
}

TEST(XpLookPushButton, FocusAddsOnlyTheDottedRectangleThreePixelsInside) {
    // A default button has the same band as a focused one, so the two paints differ only by the
    // focus rectangle.
    MemoryCanvas plain(40, 30);
    MemoryCanvas focused(40, 30);
    XpLookState defaultButton;
    defaultButton.defaultButton = true;
    XpLookState withFocus = defaultButton;
    withFocus.focused = true;
    DrawButton(plain, defaultButton, 2, "");
    DrawButton(focused, withFocus, 2, "");
    int differing = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (plain.At(x, y) != focused.At(x, y)) {
                ++differing;
                const bool onRectangle = ((x == 3 || x == 36) && y >= 3 && y <= 26) ||
                                         ((y == 3 || y == 26) && x >= 3 && x <= 36);
                EXPECT_TRUE(onRectangle)
                    << "changed pixel off the focus rectangle at (" << x << "," << y << ")";
            }
        }
    }
    // A dotted line changes every other pixel of the 33 + 33 + 23 + 23 on the rectangle.
    EXPECT_GE(differing, 50);
    EXPECT_LE(differing, 60);
    EXPECT_NE(plain.At(3, 3) == focused.At(3, 3), plain.At(4, 3) == focused.At(4, 3))
        << "neighbouring pixels of the dotted line";
}

TEST(XpLookGroupBox, FramesWithRoundedCornersAndAGapByAlignment) {
    struct Case {
        const char* name;
        DWORD style;
    };
    const Case cases[] = {
        {"left", BS_LEFT}, {"none", 0}, {"centre", BS_CENTER}, {"right", BS_RIGHT}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int width = 96;
        const int height = 72;
        MemoryCanvas canvas(width, height);
        GroupBoxPaint paint;
        paint.size = canvas.Size();
        paint.background = kButtonFace;
        paint.textColour = RGB(0, 0, 0);
        paint.text = "总人数";
        paint.font = canvas.Font();
        paint.style = BS_GROUPBOX | c.style;
        PaintGroupBox(canvas.Dc(), paint);

        ::SelectObject(canvas.Dc(), canvas.Font());
        SIZE extent{};
        ::GetTextExtentPoint32A(canvas.Dc(), paint.text.data(), 6, &extent);
        const int t = extent.cy / 2;
        // Frame lines and the strips of background outside them.
        EXPECT_COLOUR(canvas, 0, t + 10, kGroupFrame);
        EXPECT_COLOUR(canvas, width - 1, t + 10, kGroupFrame);
        EXPECT_COLOUR(canvas, width / 2, height - 1, kGroupFrame);
        EXPECT_COLOUR(canvas, 1, t + 10, kButtonFace);
        EXPECT_COLOUR(canvas, width - 2, t + 10, kButtonFace);
        EXPECT_COLOUR(canvas, width / 2, height - 2, kButtonFace);
        EXPECT_COLOUR(canvas, 4, t + 1, kButtonFace);
        // The inside keeps what was there.
        EXPECT_COLOUR(canvas, width / 2, t + 10, kMarker);
        // Rounded corners: three background pixels along each side, two frame pixels inside.
        for (int along = 0; along <= 2; ++along) {
            EXPECT_COLOUR(canvas, along, height - 1, kButtonFace);
            EXPECT_COLOUR(canvas, 0, height - 1 - along, kButtonFace);
            EXPECT_COLOUR(canvas, width - 1 - along, height - 1, kButtonFace);
            EXPECT_COLOUR(canvas, width - 1, t + along, kButtonFace);
            EXPECT_COLOUR(canvas, 0, t + along, kButtonFace);
        }
        EXPECT_COLOUR(canvas, 2, t + 1, kGroupFrame);
        EXPECT_COLOUR(canvas, 1, t + 2, kGroupFrame);
        EXPECT_COLOUR(canvas, width - 3, height - 2, kGroupFrame);
        EXPECT_COLOUR(canvas, width - 2, height - 3, kGroupFrame);
        EXPECT_COLOUR(canvas, 0, t + 3, kGroupFrame);

        int gapLeft = 8;
        int gapRight = extent.cx + 9;
        if (c.style == BS_CENTER) {
            gapLeft = (width - extent.cx) / 2 - 5;
            gapRight = (width - extent.cx) / 2 + extent.cx + 4;
        } else if (c.style == BS_RIGHT) {
            gapLeft = width - 10 - extent.cx;
            gapRight = width - 11;
        }
        EXPECT_COLOUR(canvas, gapLeft - 1, t, kGroupFrame);
        EXPECT_COLOUR(canvas, gapLeft, t, kButtonFace);
        EXPECT_COLOUR(canvas, gapRight, t, kButtonFace);
        EXPECT_COLOUR(canvas, gapRight + 1, t, kGroupFrame);
        const RECT ink = canvas.InkBounds({0, 0, width, extent.cy});
        ASSERT_LT(ink.left, ink.right) << "the caption drew no black pixel";
        EXPECT_GE(ink.left, gapLeft + 1);
        EXPECT_LE(ink.right, gapRight);
    }
}

TEST(XpLookEditBorder, PaintsAFlatBorderAndARingOnlyOverTheOuterTwoPixels) {
    MemoryCanvas canvas(48, 32);
    PaintEditBorder(canvas.Dc(), canvas.Size(), RGB(164, 185, 127), RGB(255, 255, 255));
    for (POINT edge : {POINT{0, 0}, POINT{47, 0}, POINT{0, 31}, POINT{47, 31}, POINT{20, 0}}) {
        EXPECT_COLOUR(canvas, edge.x, edge.y, RGB(164, 185, 127));
    }
    for (POINT ring : {POINT{1, 1}, POINT{46, 1}, POINT{1, 30}, POINT{46, 30}, POINT{20, 30}}) {
        EXPECT_COLOUR(canvas, ring.x, ring.y, RGB(255, 255, 255));
    }
    EXPECT_COLOUR(canvas, 2, 2, kMarker);
    EXPECT_COLOUR(canvas, 45, 29, kMarker);

    EXPECT_TRUE(EditBoxHasBorder(WS_CHILD | WS_BORDER, 0));
    EXPECT_TRUE(EditBoxHasBorder(WS_CHILD, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(EditBoxHasBorder(WS_CHILD, WS_EX_STATICEDGE));
    EXPECT_FALSE(EditBoxHasBorder(WS_CHILD | ES_AUTOHSCROLL, WS_EX_TRANSPARENT));
}

TEST(XpLookCaption, DropsMnemonicAmpersands) {
    const std::pair<std::string, std::string> cases[] = {
        {"&OK", "OK"}, {"a&&b", "a&b"}, {"end&", "end"}, {"抽&奖", "抽奖"}, {"", ""}};
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(WithoutMnemonics(text), shown) << "text \"" << text << "\"";
    }
}

TEST(XpLookCaption, BreaksLinesAtCrLfAndBeforeTheCharacterThatOverflows) {
    MemoryCanvas canvas(10, 10);
    ::SelectObject(canvas.Dc(), canvas.Font());
    auto width = [&](const std::string& text) {
        SIZE extent{};
        ::GetTextExtentPoint32A(canvas.Dc(), text.data(), static_cast<int>(text.size()), &extent);
        return static_cast<int>(extent.cx);
    };
    const int twoChinese = width("抽奖");
    struct Case {
        std::string text;
        int maxWidth;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"抽 奖", 88, {"抽 奖"}},
        {"ab\r\ncd", 200, {"ab", "cd"}},
        {"ab\ncd", 200, {"ab\ncd"}},
        // Double-byte characters are never split.
        {"抽奖抽奖", twoChinese, {"抽奖", "抽奖"}},
        {"抽奖抽奖", twoChinese - 1, {"抽", "奖", "抽", "奖"}},
        // The ampersand takes no width.
        {"a&b", width("ab"), {"a&b"}},
        // A character wider than the face still gets a line of its own.
        {"抽", 1, {"抽"}},
        {"", 50, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BreakCaptionLines(canvas.Dc(), c.text, c.maxWidth), c.lines)
            << "text \"" << c.text << "\" in " << c.maxWidth << " px";
    }
    const std::string longLine(2000, 'i');
    const std::vector<std::string> lines = BreakCaptionLines(canvas.Dc(), longLine, 1 << 30);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), kMaxCaptionLineBytes);
}

}  // namespace
}  // namespace quorvane
