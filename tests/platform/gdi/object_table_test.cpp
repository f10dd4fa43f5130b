// GDI objects: handles, descriptions, stock objects, deletion while selected, and leak counting.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/gdi/diagnostics.h"
#include "platform/win32.h"

namespace {

using layer::gdi::LiveObjectCount;

HGDIOBJ MadeUp() {
    return reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(0x12345678));
}

TEST(GdiObjects, TypesOfEveryKind) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LOGFONTA logFont{};
    logFont.lfHeight = -20;
    HFONT font = CreateFontIndirectA(&logFont);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    const struct {
        HGDIOBJ object;
        DWORD type;
    } cases[] = {{dc, OBJ_MEMDC},
                 {bitmap, OBJ_BITMAP},
                 {pen, OBJ_PEN},
                 {brush, OBJ_BRUSH},
                 {font, OBJ_FONT},
                 {region, OBJ_REGION},
                 {GetStockObject(NULL_BRUSH), OBJ_BRUSH},
                 {GetStockObject(NULL_PEN), OBJ_PEN},
                 {GetStockObject(SYSTEM_FONT), OBJ_FONT}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetObjectType(c.object), c.type) << "object " << c.object;
    }
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush),
          static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(region)}) {
        EXPECT_TRUE(DeleteObject(object));
    }
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(GdiObjects, StaleAndMadeUpHandlesFailCleanly) {
    HBRUSH stale = CreateSolidBrush(RGB(9, 9, 9));
    ASSERT_TRUE(DeleteObject(stale));
    HDC staleDc = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(staleDc));
    HDC madeUpDc = static_cast<HDC>(MadeUp());

    for (HGDIOBJ handle : {static_cast<HGDIOBJ>(stale), MadeUp(), static_cast<HGDIOBJ>(nullptr)}) {
        SetLastError(0);
        EXPECT_EQ(GetObjectType(handle), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        // DeleteObject fails without touching the last error, as measured.
        SetLastError(0);
        EXPECT_FALSE(DeleteObject(handle));
        EXPECT_EQ(GetLastError(), 0u);
        LOGBRUSH description{};
        EXPECT_EQ(GetObjectA(handle, sizeof description, &description), 0);
    }
    for (HDC dc : {staleDc, madeUpDc}) {
        SetLastError(0);
        EXPECT_EQ(SetTextColor(dc, RGB(1, 1, 1)), CLR_INVALID);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_FALSE(DeleteDC(dc));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
        RECT rect{0, 0, 2, 2};
        EXPECT_EQ(FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
        EXPECT_EQ(SaveDC(dc), 0);
        EXPECT_EQ(CreateCompatibleBitmap(dc, 2, 2), nullptr);
    }
    // A handle of the wrong kind is refused where another kind is needed.
    HDC dc = CreateCompatibleDC(nullptr);
    RECT rect{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &rect, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_PEN))), 0);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    EXPECT_EQ(CombineRgn(static_cast<HRGN>(GetStockObject(BLACK_PEN)), nullptr, nullptr, RGN_COPY),
              ERROR);
    DeleteDC(dc);
}

TEST(GdiObjects, GetObjectDescribesEachKind) {
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    LOGBRUSH logBrush{};
    EXPECT_EQ(GetObjectA(brush, sizeof logBrush, &logBrush), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(logBrush.lbColor, RGB(10, 20, 30));

    HPEN pen = CreatePen(PS_DOT, 1, RGB(5, 6, 7));
    LOGPEN logPen{};
    EXPECT_EQ(GetObjectA(pen, sizeof logPen, &logPen), static_cast<int>(sizeof(LOGPEN)));
    EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DOT));
    EXPECT_EQ(logPen.lopnColor, RGB(5, 6, 7));
    // A buffer too small for the whole description gets nothing.
    EXPECT_EQ(GetObjectA(pen, sizeof logPen - 1, &logPen), 0);

    HFONT font = CreateFontA(-213, 0, 0, 0, 700, 0, 0, 0, 134, 0, 0, 0, 0, "Face");
    LOGFONTA logFont{};
    EXPECT_EQ(GetObjectA(font, sizeof logFont, &logFont), 60);
    EXPECT_EQ(logFont.lfHeight, -213);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_STREQ(logFont.lfFaceName, "Face");
    EXPECT_EQ(std::memcmp(layer::gdi::FontLogFont(font), &logFont, sizeof logFont), 0);
    // Fonts hand back as much as the buffer holds.
    LONG heightOnly = 0;
    EXPECT_EQ(GetObjectA(font, sizeof heightOnly, &heightOnly), 4);
    EXPECT_EQ(heightOnly, -213);

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 7, 3);
    BITMAP description{};
    EXPECT_EQ(GetObjectA(bitmap, sizeof description, &description),
              static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(description.bmWidth, 7);
    EXPECT_EQ(description.bmHeight, 3);
    EXPECT_EQ(description.bmWidthBytes, 28);
    EXPECT_EQ(description.bmBitsPixel, 32);
    EXPECT_EQ(description.bmBits, nullptr);

    // With no buffer, GetObjectA tells the size it needs.
    EXPECT_EQ(GetObjectA(brush, 0, nullptr), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(GetObjectA(font, 0, nullptr), 60);
    EXPECT_EQ(GetObjectA(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));

    for (HGDIOBJ object : {static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(pen),
                           static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(bitmap)}) {
        DeleteObject(object);
    }
    DeleteDC(dc);
}

TEST(GdiObjects, StockObjects) {
    const struct {
        int index;
        COLORREF color;
        UINT style;
    } brushes[] = {
        {WHITE_BRUSH, RGB(255, 255, 255), BS_SOLID}, {LTGRAY_BRUSH, RGB(192, 192, 192), BS_SOLID},
        {GRAY_BRUSH, RGB(128, 128, 128), BS_SOLID},  {DKGRAY_BRUSH, RGB(64, 64, 64), BS_SOLID},
        {BLACK_BRUSH, RGB(0, 0, 0), BS_SOLID},       {NULL_BRUSH, RGB(0, 0, 0), BS_NULL}};
    for (const auto& b : brushes) {
        LOGBRUSH logBrush{};
        ASSERT_EQ(GetObjectA(GetStockObject(b.index), sizeof logBrush, &logBrush),
                  static_cast<int>(sizeof logBrush))
            << "stock object " << b.index;
        EXPECT_EQ(logBrush.lbStyle, b.style) << "stock object " << b.index;
        if (b.style == BS_SOLID) {
            EXPECT_EQ(logBrush.lbColor, b.color) << "stock object " << b.index;
        }
    }
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    LOGPEN nullPen{};
    GetObjectA(GetStockObject(NULL_PEN), sizeof nullPen, &nullPen);
    EXPECT_EQ(nullPen.lopnStyle, static_cast<UINT>(PS_NULL));
    LOGPEN whitePen{};
    GetObjectA(GetStockObject(WHITE_PEN), sizeof whitePen, &whitePen);
    EXPECT_EQ(whitePen.lopnColor, RGB(255, 255, 255));

    LOGFONTA guiFont{};
    ASSERT_EQ(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont), 60);
    EXPECT_EQ(guiFont.lfHeight, -12);
    EXPECT_EQ(guiFont.lfWeight, 400);
    EXPECT_EQ(guiFont.lfCharSet, 134);
    EXPECT_STREQ(guiFont.lfFaceName, "");

    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);

    // Deleting a stock object succeeds and changes nothing.
    const size_t live = LiveObjectCount();
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(LiveObjectCount(), live);
}

TEST(GdiObjects, SystemColorBrushesAreSharedAndPermanent) {
    const size_t live = LiveObjectCount();
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    LOGBRUSH logBrush{};
    GetObjectA(face, sizeof logBrush, &logBrush);
    EXPECT_EQ(logBrush.lbColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(GetObjectType(face), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(LiveObjectCount(), live);
    EXPECT_EQ(GetSysColorBrush(-1), nullptr);
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

// Deleting an object that a DC still has selected succeeds; the object stays usable there and
// goes when the DC lets go of it (measured for brushes and bitmaps).
TEST(GdiObjects, DeletingASelectedObjectWaitsForTheDC) {
    const size_t live = LiveObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);

    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    RECT rect{0, 0, 4, 4};
    EXPECT_EQ(FillRect(dc, &rect, brush), 1);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(1, 2, 3));

    SelectObject(dc, oldBrush);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    SelectObject(dc, oldBitmap);
    EXPECT_EQ(GetObjectType(bitmap), 0u);

    // An object pending deletion also goes with the DC.
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    SelectObject(dc, pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(LiveObjectCount(), live);
}

TEST(GdiObjects, NoLeaksAcrossCreateDeleteCycles) {
    const size_t before = LiveObjectCount();
    for (int cycle = 0; cycle < 50; ++cycle) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 16, 8);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(RGB(cycle, 0, 0));
        HPEN pen = CreatePen(PS_DOT, 1, RGB(0, cycle, 0));
        LOGFONTA logFont{};
        HFONT font = CreateFontIndirectA(&logFont);
        HRGN region = CreateRectRgn(0, 0, 4, 4);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldFont = SelectObject(dc, font);
        SelectClipRgn(dc, region);
        Rectangle(dc, 0, 0, 8, 8);
        EXPECT_EQ(LiveObjectCount(), before + 6);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        for (HGDIOBJ object :
             {static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(pen),
              static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(region)}) {
            EXPECT_TRUE(DeleteObject(object));
        }
        EXPECT_TRUE(DeleteDC(dc));
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(GdiObjects, HandlesAreNeverReused) {
    HBRUSH first = CreateSolidBrush(0);
    DeleteObject(first);
    for (int i = 0; i < 100; ++i) {
        HBRUSH next = CreateSolidBrush(0);
        EXPECT_NE(next, first);
        DeleteObject(next);
    }
    EXPECT_EQ(GetObjectType(first), 0u);
}

TEST(GdiObjects, CreationRefusesBadDescriptions) {
    SetLastError(0);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CreateBrushIndirect(nullptr), nullptr);
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
    EXPECT_EQ(CreateRectRgnIndirect(nullptr), nullptr);
    // A face name that fills the whole field is kept terminated.
    LOGFONTA logFont{};
    std::memset(logFont.lfFaceName, 'A', sizeof logFont.lfFaceName);
    HFONT font = CreateFontIndirectA(&logFont);
    EXPECT_EQ(std::strlen(layer::gdi::FontLogFont(font)->lfFaceName), 31u);
    DeleteObject(font);
    EXPECT_EQ(layer::gdi::FontLogFont(font), nullptr);
}

}  // namespace
