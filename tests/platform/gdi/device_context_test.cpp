// Device contexts: memory DCs and their defaults, selection, saved states, attributes, window DCs
// made for the window manager, and DCs without a target.
#include <gtest/gtest.h>

#include "canvas.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace {

using gdi_test::Canvas;
using layer::gdi::Region;
using layer::gdi::Surface;

TEST(MemoryDC, StartsWithStockObjectsAndAOnePixelBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    BITMAP bitmap{};
    ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap),
              static_cast<int>(sizeof bitmap));
    EXPECT_EQ(bitmap.bmWidth, 1);
    EXPECT_EQ(bitmap.bmHeight, 1);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_LEFT | TA_TOP | TA_NOUPDATECP));
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(MemoryDC, SelectObjectReturnsWhatWasSelected) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    HBRUSH brush = CreateSolidBrush(RGB(2, 2, 2));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    // Selecting a region sets the clip and answers with the region's kind.
    HRGN region = CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(SelectObject(dc, region), reinterpret_cast<HGDIOBJ>(SIMPLEREGION));
    DeleteObject(region);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteDC(dc);
}

TEST(MemoryDC, ABitmapDrawsIntoOneDCAtATime) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 4, 4);
    HGDIOBJ previous = SelectObject(first, bitmap);
    ASSERT_NE(previous, nullptr);
    SetLastError(0);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SelectObject(first, previous);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    DeleteDC(second);
    DeleteDC(first);
    DeleteObject(bitmap);
}

// Levels and their refusals as measured: -2 from level 3 goes back to the state saved at level 2
// and drops the levels above it.
TEST(MemoryDC, SaveAndRestoreLevels) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SaveDC(dc), 1);
    SetTextColor(dc, 1);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, 2);
    EXPECT_EQ(SaveDC(dc), 3);
    SetTextColor(dc, 3);

    EXPECT_TRUE(RestoreDC(dc, -2));
    EXPECT_EQ(GetTextColor(dc), 1u);
    EXPECT_FALSE(RestoreDC(dc, 3));
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, -5));
    EXPECT_EQ(GetTextColor(dc), 1u);
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetTextColor(dc), 0u);
    EXPECT_EQ(SaveDC(dc), 1);
    DeleteDC(dc);
}

TEST(MemoryDC, RestoreBringsBackObjectsClipAndBitmap) {
    Canvas canvas(4, 4, 0x000000);
    HDC dc = canvas.Dc();
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    ASSERT_EQ(SaveDC(dc), 1);
    SelectObject(dc, brush);
    IntersectClipRect(dc, 0, 0, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    HBITMAP other = CreateCompatibleBitmap(dc, 2, 2);
    SelectObject(dc, other);
    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), canvas.Bitmap());
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    // The clip is gone and drawing lands in the canvas again.
    RECT all{0, 0, 4, 4};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(canvas.At(3, 3), 0xFFFFFFu);
    DeleteObject(brush);
    DeleteObject(other);
}

TEST(MemoryDC, AttributesKeepValuesAndRefuseBadOnes) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(SetBkColor(dc, RGB(4, 5, 6)), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    SetLastError(0);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetTextAlign(dc, TA_CENTER | TA_BASELINE), static_cast<UINT>(TA_LEFT));
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_CENTER | TA_BASELINE));
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(SetROP2(dc, 17), 0);
    EXPECT_EQ(GetROP2(dc), R2_XORPEN);
    POINT previous{-1, -1};
    EXPECT_TRUE(SetBrushOrgEx(dc, 3, 4, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_TRUE(SetBrushOrgEx(dc, 0, 0, &previous));
    EXPECT_EQ(previous.x, 3);
    EXPECT_EQ(previous.y, 4);
    DeleteDC(dc);
}

TEST(DIBSection, BitsLieWhereTheCallerExpectsThem) {
    for (const LONG height : {-3, 3}) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = 2;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        ASSERT_NE(bits, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        RECT topRow{0, 0, 2, 1};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &topRow, red);
        SetPixel(dc, 1, 2, RGB(0, 0, 255));
        const auto* words = static_cast<const uint32_t*>(bits);
        // Top-down: the top row comes first in memory; bottom-up: it comes last.
        const int topIndex = height < 0 ? 0 : 4;
        const int bottomRight = height < 0 ? 5 : 1;
        EXPECT_EQ(words[topIndex], 0x00FF0000u) << "height " << height;
        EXPECT_EQ(words[topIndex + 1], 0x00FF0000u) << "height " << height;
        EXPECT_EQ(words[bottomRight], 0x000000FFu) << "height " << height;
        EXPECT_EQ(words[2], 0u) << "height " << height;
        BITMAP description{};
        GetObjectA(bitmap, sizeof description, &description);
        EXPECT_EQ(description.bmBits, bits);
        EXPECT_EQ(description.bmHeight, 3);
        DIBSECTION section{};
        EXPECT_EQ(GetObjectA(bitmap, sizeof section, &section),
                  static_cast<int>(sizeof(DIBSECTION)));
        EXPECT_EQ(section.dsBmih.biHeight, height);
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(red);
        DeleteObject(bitmap);
    }
}

TEST(DIBSection, RefusesWhatItCannotHold) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 8;
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biWidth = 0;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 5, -1), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), nullptr);
    DeleteDC(dc);
}

TEST(WindowDC, DrawsAtItsOriginInsideItsVisibleRegion) {
    Surface surface(10, 6);
    Region visible(2, 1, 8, 5);
    visible.Subtract(RECT{4, 1, 5, 5});
    HDC dc = layer::gdi::CreateWindowDC(nullptr, &surface, POINT{2, 1}, visible);
    ASSERT_NE(layer::gdi::LookupDC(dc), nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
    RECT everything{-10, -10, 100, 100};
    FillRect(dc, &everything, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    std::string picture;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            const uint32_t pixel = surface.PixelAt(x, y);
            picture += pixel == 0 ? '.' : pixel == 0xFFFFFF ? 'W' : pixel == 0xFF0000 ? 'R' : '?';
        }
        picture += '\n';
    }
    EXPECT_EQ(picture,
              "..........\n"
              "..RW.WWW..\n"
              "..WW.WWW..\n"
              "..WW.WWW..\n"
              "..WW.WWW..\n"
              "..........\n");
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 6);
    EXPECT_EQ(box.bottom, 4);
    // The application cannot delete a window DC; the window manager destroys it.
    EXPECT_FALSE(DeleteDC(dc));
    layer::gdi::DestroyWindowDC(dc);
    EXPECT_EQ(layer::gdi::LookupDC(dc), nullptr);
}

TEST(WindowDC, ADCWithoutATargetDrawsNothing) {
    HDC dc = layer::gdi::CreateWindowDC(nullptr, nullptr, POINT{0, 0}, Region(0, 0, 50, 50));
    RECT rect{0, 0, 10, 10};
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(FillRect(dc, &rect, brush), 1);
    EXPECT_EQ(FrameRect(dc, &rect, brush), 1);
    EXPECT_TRUE(PatBlt(dc, 0, 0, 5, 5, PATCOPY));
    EXPECT_TRUE(Rectangle(dc, 0, 0, 5, 5));
    EXPECT_TRUE(MoveToEx(dc, 0, 0, nullptr));
    EXPECT_TRUE(LineTo(dc, 5, 5));
    EXPECT_TRUE(DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_MIDDLE));
    EXPECT_TRUE(DrawFocusRect(dc, &rect));
    EXPECT_EQ(SetPixel(dc, 1, 1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
    TRIVERTEX vertices[2] = {{0, 0, 0, 0, 0, 0}, {10, 10, 0xFF00, 0, 0, 0}};
    GRADIENT_RECT mesh{0, 1};
    EXPECT_TRUE(GradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V));
    Canvas source(2, 2);
    EXPECT_TRUE(BitBlt(dc, 0, 0, 2, 2, source.Dc(), 0, 0, SRCCOPY));
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
    layer::gdi::DestroyWindowDC(dc);
}

}  // namespace
