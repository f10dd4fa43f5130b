// The object functions of gdi32: creating pens, brushes and fonts, describing any object
// (GetObjectA, GetObjectType) and deleting it.
#include <algorithm>
#include <cstring>

#include "platform/api/kernel32.h"
#include "platform/gdi/diagnostics.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/stock_objects.h"

using namespace layer::gdi;

namespace {

// Copies a whole description, or nothing when the caller's buffer is too small for it.
template <typename Description>
int CopyWhole(const Description& description, int size, LPVOID buffer) {
    if (buffer == nullptr) {
        return static_cast<int>(sizeof(Description));
    }
    if (size < static_cast<int>(sizeof(Description))) {
        return 0;
    }
    std::memcpy(buffer, &description, sizeof(Description));
    return static_cast<int>(sizeof(Description));
}

BITMAP DescribeBitmap(BitmapObject& bitmap) {
    Surface& surface = *bitmap.surface;
    BITMAP description{};
    description.bmWidth = surface.Width();
    description.bmHeight = surface.Height();
    description.bmWidthBytes = surface.Width() * 4;
    description.bmPlanes = 1;
    description.bmBitsPixel = 32;
    description.bmBits = bitmap.dibSection ? surface.Bits() : nullptr;
    return description;
}

int DescribeBitmapInto(BitmapObject& bitmap, int size, LPVOID buffer) {
    if (bitmap.dibSection && buffer != nullptr && size >= static_cast<int>(sizeof(DIBSECTION))) {
        DIBSECTION section{};
        section.dsBm = DescribeBitmap(bitmap);
        section.dsBmih = bitmap.dibHeader;
        return CopyWhole(section, size, buffer);
    }
    return CopyWhole(DescribeBitmap(bitmap), size, buffer);
}

bool IsKnownPenStyle(int style) {
    return style >= PS_SOLID && style <= PS_INSIDEFRAME;
}

}  // namespace

DWORD WINAPI GetObjectType(HGDIOBJ handle) {
    GdiObject* object = Objects().Find(handle);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (object->Kind()) {
        case ObjectKind::Pen:
            return OBJ_PEN;
        case ObjectKind::Brush:
            return OBJ_BRUSH;
        case ObjectKind::Font:
            return OBJ_FONT;
        case ObjectKind::Bitmap:
            return OBJ_BITMAP;
        case ObjectKind::Region:
            return OBJ_REGION;
        case ObjectKind::DeviceContext:
            return static_cast<DeviceContextObject*>(object)->dc->GetKind() ==
                           DeviceContext::Kind::Memory
                       ? OBJ_MEMDC
                       : OBJ_DC;
    }
    return 0;
}

int WINAPI GetObjectA(HANDLE handle, int size, LPVOID buffer) {
    GdiObject* object = Objects().Find(handle);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (buffer != nullptr && size <= 0) {
        return 0;
    }
    switch (object->Kind()) {
        case ObjectKind::Pen:
            return CopyWhole(static_cast<PenObject*>(object)->pen, size, buffer);
        case ObjectKind::Brush:
            return CopyWhole(static_cast<BrushObject*>(object)->brush, size, buffer);
        case ObjectKind::Font: {
            // A font hands back as much of its LOGFONTA as the buffer holds.
            const LOGFONTA& font = static_cast<FontObject*>(object)->font;
            if (buffer == nullptr) {
                return static_cast<int>(sizeof(LOGFONTA));
            }
            const int copied = std::min(size, static_cast<int>(sizeof(LOGFONTA)));
            std::memcpy(buffer, &font, static_cast<size_t>(copied));
            return copied;
        }
        case ObjectKind::Bitmap:
            return DescribeBitmapInto(*static_cast<BitmapObject*>(object), size, buffer);
        case ObjectKind::Region:
        case ObjectKind::DeviceContext:
            break;
    }
    return 0;
}

BOOL WINAPI DeleteObject(HGDIOBJ handle) {
    GdiObject* object = Objects().Find(handle);
    // Windows leaves the last error alone here, for made-up and stale handles alike.
    if (object == nullptr || object->Kind() == ObjectKind::DeviceContext) {
        return FALSE;
    }
    if (object->stock) {
        return TRUE;
    }
    // An object a DC still uses stays usable there and goes once the last DC lets go of it.
    if (Objects().IsInUse(handle)) {
        object->deletePending = true;
        return TRUE;
    }
    Objects().Remove(handle);
    return TRUE;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(
        Objects().Add(std::make_unique<BrushObject>(LOGBRUSH{BS_SOLID, color & 0x00FFFFFFu, 0})));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* brush) {
    // Hatched and pattern brushes are not part of the layer; they fail rather than paint wrong.
    if (brush == nullptr || (brush->lbStyle != BS_SOLID && brush->lbStyle != BS_NULL)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    LOGBRUSH description = *brush;
    description.lbColor &= 0x00FFFFFFu;
    return static_cast<HBRUSH>(Objects().Add(std::make_unique<BrushObject>(description)));
}

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    if (!IsKnownPenStyle(style)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const LOGPEN description{static_cast<UINT>(style), POINT{std::max(width, 0), 0},
                             color & 0x00FFFFFFu};
    return static_cast<HPEN>(Objects().Add(std::make_unique<PenObject>(description)));
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* pen) {
    if (pen == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font) {
    if (font == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    LOGFONTA description = *font;
    // A face name that fills the whole field is cut so that it stays a terminated string.
    description.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(Objects().Add(std::make_unique<FontObject>(description)));
}

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfUnderline = static_cast<BYTE>(underline);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut);
    font.lfCharSet = static_cast<BYTE>(charSet);
    font.lfOutPrecision = static_cast<BYTE>(outPrecision);
    font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    font.lfQuality = static_cast<BYTE>(quality);
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr) {
        std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    }
    return CreateFontIndirectA(&font);
}

namespace layer::gdi {

const LOGFONTA* FontLogFont(HFONT font) {
    FontObject* object = Objects().FindAs<FontObject>(font, ObjectKind::Font);
    return object != nullptr ? &object->font : nullptr;
}

}  // namespace layer::gdi
