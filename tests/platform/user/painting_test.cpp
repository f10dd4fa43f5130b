// Painting: where window DCs may draw (WS_CLIPCHILDREN, WS_CLIPSIBLINGS, WS_EX_TRANSPARENT), the
// order of WM_PAINT, and what the RDW_ flags send and when.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_support.h"

namespace layer::user::testing {
namespace {

using Log = std::vector<std::string>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class PaintingTest : public WindowTest {
  protected:
    // A frameless top-level window at (100, 100), so that client and screen differ by a shift.
    HWND CreateTop(DWORD extraStyle) {
        return Create("top", WS_POPUP | WS_VISIBLE | extraStyle, 100, 100, 300, 200);
    }
    // Fills a window's whole client area through GetDC and shows the result.
    void FillClient(HWND window, COLORREF color) {
        HDC dc = GetDC(window);
        ASSERT_NE(dc, nullptr);
        RECT client;
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EXPECT_EQ(ReleaseDC(window, dc), 1);
        Pump();
    }
    // Lets every pending paint happen first, so that fills are not painted over afterwards.
    void Settle() { Pump(); }
};

struct ClipCase {
    const char* name;
    DWORD parentStyle;
    DWORD lowerStyle;
    DWORD upperExStyle;
    COLORREF parentFillAtUpperOnly;  // parent filled red: the pixel where only the upper child is
    COLORREF lowerFillAtOverlap;     // lower child filled green: the pixel where both overlap
};

class ClipTest : public PaintingTest, public ::testing::WithParamInterface<ClipCase> {};

// Two children overlap: lower at (10,10)-(110,110), upper on top at (50,50)-(150,150).
TEST_P(ClipTest, WindowDcDrawsOnlyWhereTheStylesAllow) {
    const ClipCase& c = GetParam();
    HWND top = CreateTop(c.parentStyle);
    HWND lower = Create("lower", WS_CHILD | WS_VISIBLE | c.lowerStyle, 10, 10, 100, 100, top);
    HWND upper = Create("upper", WS_CHILD | WS_VISIBLE, 50, 50, 100, 100, top, c.upperExStyle);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();

    FillClient(top, kRed);
    EXPECT_EQ(host_->ScreenPixel(100 + 130, 100 + 130), c.parentFillAtUpperOnly);
    FillClient(lower, kGreen);
    EXPECT_EQ(host_->ScreenPixel(100 + 80, 100 + 80), c.lowerFillAtOverlap);
    EXPECT_EQ(host_->ScreenPixel(100 + 20, 100 + 20), kGreen) << "the lower child's own area";
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ClipTest,
    ::testing::Values(ClipCase{"NoClipping", 0, 0, 0, kRed, kGreen},
                      ClipCase{"ClipChildren", WS_CLIPCHILDREN, 0, 0, kBlack, kGreen},
                      ClipCase{"ClipSiblings", 0, WS_CLIPSIBLINGS, 0, kRed, kRed},
                      // A transparent window hides nothing: neither the parent nor the sibling
                      // below it loses the pixels under it.
                      ClipCase{"TransparentUpper", WS_CLIPCHILDREN, WS_CLIPSIBLINGS,
                               WS_EX_TRANSPARENT, kRed, kGreen}),
    [](const ::testing::TestParamInfo<ClipCase>& info) { return info.param.name; });

TEST_F(PaintingTest, ParentsPaintBeforeChildrenAndATransparentWindowAfterTheSiblingsBelow) {
    HWND top = CreateTop(0);
    HWND transparent =
        Create("transparent", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top, WS_EX_TRANSPARENT);
    Create("below", WS_CHILD | WS_VISIBLE, 20, 20, 50, 50, top);
    SetWindowPos(transparent, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
    InvalidateRect(top, nullptr, FALSE);
    StartLog();
    Pump();
    EXPECT_EQ(TakeLog(), (Log{"top WM_PAINT", "below WM_PAINT", "transparent WM_PAINT"}));
}

TEST_F(PaintingTest, PaintComesOnlyWhenNothingElseIsPendingAndBeforeTimers) {
    HWND top = CreateTop(0);
    Settle();
    InvalidateRect(top, nullptr, FALSE);
    PostMessageA(top, WM_USER, 0, 0);
    SetTimer(top, 7, 10, nullptr);
    host_->AdvanceTickCount(20);
    PostQuitMessage(3);
    MSG message;
    std::vector<UINT> order;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(message.message);
        if (message.message == WM_PAINT) {
            ValidateRect(message.hwnd, nullptr);
        }
        if (message.message == WM_TIMER) {
            KillTimer(top, 7);
        }
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_QUIT, WM_PAINT, WM_TIMER}));
}

TEST_F(PaintingTest, RedrawWithUpdateNowSendsFrameEraseAndPaintAtOnce) {
    HWND top = CreateTop(WS_CLIPCHILDREN);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 50, 50, top);
    Settle();
    StartLog();
    RedrawWindow(child, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW);
    EXPECT_EQ(TakeLog(), (Log{"child WM_NCPAINT", "child WM_ERASEBKGND", "child WM_PAINT"}));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) << "nothing left to paint";
}

TEST_F(PaintingTest, UpdateNowPaintsTheChildrenThatTheParentDoesNotClip) {
    HWND top = CreateTop(WS_CLIPCHILDREN);
    HWND group = Create("group", WS_CHILD | WS_VISIBLE, 10, 10, 200, 150, top);
    Create("label", WS_CHILD | WS_VISIBLE, 20, 20, 50, 50, group, WS_EX_TRANSPARENT);
    Settle();
    RECT behindLabel{20, 20, 70, 70};
    StartLog();
    RedrawWindow(group, &behindLabel, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW);
    EXPECT_EQ(TakeLog(), (Log{"group WM_NCPAINT", "group WM_ERASEBKGND", "label WM_NCPAINT",
                              "label WM_ERASEBKGND", "group WM_PAINT", "label WM_PAINT"}));
    StartLog();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(TakeLog(), (Log{"top WM_PAINT"})) << "a parent that clips its children paints alone";
}

TEST_F(PaintingTest, MovingATopLevelWindowCarriesItsPixelsAndRepaintsNothing) {
    HWND top = CreateTop(0);
    Settle();
    FillClient(top, kGreen);
    MoveWindow(top, 400, 300, 300, 200, TRUE);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    Pump();
    EXPECT_EQ(host_->ScreenPixel(400 + 10, 300 + 10), kGreen);
    MoveWindow(top, 400, 300, 310, 200, TRUE);
    EXPECT_TRUE(GetUpdateRect(top, &update, FALSE)) << "a new size repaints";
}

TEST_F(PaintingTest, DrawingThroughGetDcShowsOnReleaseWithoutWaitingForTheQueue) {
    HWND top = CreateTop(0);
    Settle();
    HDC dc = GetDC(top);
    RECT part{0, 0, 10, 10};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(dc, &part, brush);
    DeleteObject(brush);
    EXPECT_NE(host_->ScreenPixel(100 + 5, 100 + 5), kRed) << "not shown while the DC is held";
    ReleaseDC(top, dc);
    EXPECT_EQ(host_->ScreenPixel(100 + 5, 100 + 5), kRed);
}

TEST_F(PaintingTest, EraseNowErasesWithoutPainting) {
    HWND top = CreateTop(0);
    Settle();
    StartLog();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(TakeLog(), (Log{"top WM_ERASEBKGND"}));
    RECT update;
    EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(update.right, 300);
}

struct ChildrenCase {
    const char* name;
    DWORD parentStyle;
    UINT flags;
    bool childInvalidated;
};

class RedrawChildrenTest : public PaintingTest,
                           public ::testing::WithParamInterface<ChildrenCase> {};

TEST_P(RedrawChildrenTest, ChildrenFollowTheFlagsAndTheParentsClipping) {
    const ChildrenCase& c = GetParam();
    HWND top = CreateTop(c.parentStyle);
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top);
    Settle();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | c.flags);
    RECT update;
    EXPECT_EQ(GetUpdateRect(child, &update, FALSE) != FALSE, c.childInvalidated);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, RedrawChildrenTest,
    ::testing::Values(ChildrenCase{"DefaultWithoutClipChildren", 0, 0, true},
                      ChildrenCase{"DefaultWithClipChildren", WS_CLIPCHILDREN, 0, false},
                      ChildrenCase{"NoChildren", 0, RDW_NOCHILDREN, false},
                      ChildrenCase{"AllChildren", WS_CLIPCHILDREN, RDW_ALLCHILDREN, true}),
    [](const ::testing::TestParamInfo<ChildrenCase>& info) { return info.param.name; });

TEST_F(PaintingTest, InternalPaintGivesAPaintWithAnEmptyUpdateArea) {
    HWND top = CreateTop(0);
    Settle();
    RedrawWindow(top, nullptr, nullptr, RDW_INTERNALPAINT);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    PAINTSTRUCT paint;
    ASSERT_NE(BeginPaint(top, &paint), nullptr);
    EXPECT_EQ(paint.rcPaint.right - paint.rcPaint.left, 0);
    EndPaint(top, &paint);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(PaintingTest, BeginPaintClipsToTheUpdateRegion) {
    HWND top = CreateTop(0);
    Settle();
    FillClient(top, kGreen);
    RECT part{10, 10, 20, 20};
    InvalidateRect(top, &part, FALSE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(top, &paint);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(paint.rcPaint.left, 10);
    EXPECT_EQ(paint.rcPaint.bottom, 20);
    RECT all{0, 0, 300, 200};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    EndPaint(top, &paint);
    Pump();
    EXPECT_EQ(host_->ScreenPixel(100 + 15, 100 + 15), kRed);
    EXPECT_EQ(host_->ScreenPixel(100 + 25, 100 + 15), kGreen);
}

TEST_F(PaintingTest, RegionsInvalidateValidateAndReadBackTheUpdateArea) {
    HWND top = CreateTop(0);
    Settle();
    HRGN region = CreateRectRgn(10, 10, 20, 20);
    HRGN second = CreateRectRgn(30, 30, 40, 40);
    CombineRgn(region, region, second, RGN_OR);
    EXPECT_TRUE(InvalidateRgn(top, region, FALSE));
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(top, update, FALSE), COMPLEXREGION);
    RECT bounds;
    EXPECT_TRUE(GetUpdateRect(top, &bounds, FALSE));
    EXPECT_EQ(bounds.left, 10);
    EXPECT_EQ(bounds.bottom, 40);
    EXPECT_TRUE(ValidateRgn(top, second));
    EXPECT_EQ(GetUpdateRgn(top, update, FALSE), SIMPLEREGION);
    EXPECT_TRUE(ValidateRgn(top, region));
    EXPECT_EQ(GetUpdateRgn(top, update, FALSE), NULLREGION);
    DeleteObject(region);
    DeleteObject(second);
    DeleteObject(update);
    EXPECT_FALSE(InvalidateRgn(top, region, TRUE)) << "a deleted region is refused";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(PaintingTest, GetDcExCanExcludeAScreenRegion) {
    HWND top = CreateTop(0);
    Settle();
    FillClient(top, kGreen);
    HRGN hole = CreateRectRgn(100 + 10, 100 + 10, 100 + 20, 100 + 20);
    HDC dc = GetDCEx(top, hole, DCX_EXCLUDERGN);
    ASSERT_NE(dc, nullptr);
    RECT all{0, 0, 300, 200};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(top, dc);
    DeleteObject(hole);
    Pump();
    EXPECT_EQ(host_->ScreenPixel(100 + 15, 100 + 15), kGreen);
    EXPECT_EQ(host_->ScreenPixel(100 + 25, 100 + 15), kRed);
}

}  // namespace
}  // namespace layer::user::testing
