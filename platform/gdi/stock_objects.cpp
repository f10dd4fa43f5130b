// GetStockObject and GetSysColorBrush: objects made on first use and kept for the whole process.
#include "platform/gdi/stock_objects.h"

#include <array>
#include <cstring>

#include "platform/api/user32.h"
#include "platform/gdi/object_table.h"

namespace layer::gdi {

namespace {

constexpr BYTE kGb2312CharSet = 134;
constexpr BYTE kFixedPitchModern = 0x01 | 0x30;  // FIXED_PITCH | FF_MODERN

HGDIOBJ AddStock(std::unique_ptr<GdiObject> object) {
    object->stock = true;
    return Objects().Add(std::move(object));
}

HGDIOBJ StockBrush(COLORREF color, UINT style) {
    return AddStock(std::make_unique<BrushObject>(LOGBRUSH{style, color, 0}));
}

HGDIOBJ StockPen(COLORREF color, UINT style) {
    return AddStock(std::make_unique<PenObject>(LOGPEN{style, POINT{1, 0}, color}));
}

HGDIOBJ StockFont(LONG height, LONG weight, BYTE pitchAndFamily) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = kGb2312CharSet;
    font.lfPitchAndFamily = pitchAndFamily;
    return AddStock(std::make_unique<FontObject>(font));
}

// Indexed by the GetStockObject constants; null where the layer has no such object.
const std::array<HGDIOBJ, DC_PEN + 1>& StockTable() {
    static const std::array<HGDIOBJ, DC_PEN + 1> table = [] {
        std::array<HGDIOBJ, DC_PEN + 1> objects{};
        objects[WHITE_BRUSH] = StockBrush(RGB(255, 255, 255), BS_SOLID);
        objects[LTGRAY_BRUSH] = StockBrush(RGB(192, 192, 192), BS_SOLID);
        objects[GRAY_BRUSH] = StockBrush(RGB(128, 128, 128), BS_SOLID);
        objects[DKGRAY_BRUSH] = StockBrush(RGB(64, 64, 64), BS_SOLID);
        objects[BLACK_BRUSH] = StockBrush(RGB(0, 0, 0), BS_SOLID);
        objects[NULL_BRUSH] = StockBrush(RGB(0, 0, 0), BS_NULL);
        objects[WHITE_PEN] = StockPen(RGB(255, 255, 255), PS_SOLID);
        objects[BLACK_PEN] = StockPen(RGB(0, 0, 0), PS_SOLID);
        objects[NULL_PEN] = StockPen(RGB(0, 0, 0), PS_NULL);
        objects[SYSTEM_FONT] = StockFont(16, 700, 0);
        objects[DEVICE_DEFAULT_FONT] = StockFont(16, 700, 0);
        objects[ANSI_VAR_FONT] = StockFont(12, 400, 0);
        objects[OEM_FIXED_FONT] = StockFont(12, 400, kFixedPitchModern);
        objects[ANSI_FIXED_FONT] = StockFont(12, 400, kFixedPitchModern);
        objects[SYSTEM_FIXED_FONT] = StockFont(16, 400, kFixedPitchModern);
        // The dialog font: a 12-pixel character height in the default face for GB2312.
        objects[DEFAULT_GUI_FONT] = StockFont(-12, 400, 0);
        return objects;
    }();
    return table;
}

constexpr int kLastSystemColor = COLOR_MENUBAR;

}  // namespace

HBITMAP StockBitmap() {
    static const HBITMAP bitmap = [] {
        auto object = std::make_unique<BitmapObject>(1, 1, Surface::RowOrder::TopDown);
        return static_cast<HBITMAP>(AddStock(std::move(object)));
    }();
    return bitmap;
}

const BrushObject* ResolveBrush(HBRUSH brush) {
    const auto value = reinterpret_cast<uintptr_t>(brush);
    if (value >= 1 && value <= static_cast<uintptr_t>(kLastSystemColor) + 1) {
        brush = GetSysColorBrush(static_cast<int>(value) - 1);
    }
    return Objects().FindAs<BrushObject>(brush, ObjectKind::Brush);
}

}  // namespace layer::gdi

using namespace layer::gdi;

HGDIOBJ WINAPI GetStockObject(int index) {
    if (index < 0 || index > DC_PEN) {
        return nullptr;
    }
    return StockTable()[static_cast<size_t>(index)];
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    static std::array<HBRUSH, kLastSystemColor + 1> brushes{};
    if (index < 0 || index > kLastSystemColor) {
        return nullptr;
    }
    HBRUSH& brush = brushes[static_cast<size_t>(index)];
    if (brush == nullptr) {
        brush = static_cast<HBRUSH>(StockBrush(GetSysColor(index), BS_SOLID));
    }
    return brush;
}
