// The device-context functions of gdi32: memory DCs, window DCs for the window manager, selecting
// objects, saving and restoring state, and the attributes a DC stores.
#include "platform/api/kernel32.h"
#include "platform/api/user32.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/stock_objects.h"

using namespace layer::gdi;

namespace {

DeviceContextObject* FindDCObject(HDC dc) {
    return Objects().FindAs<DeviceContextObject>(dc, ObjectKind::DeviceContext);
}

std::unique_ptr<DeviceContext> NewDC(DeviceContext::Kind kind, HWND window) {
    auto context = std::make_unique<DeviceContext>(kind, window);
    DrawingState& state = context->State();
    state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    return context;
}

Surface* BitmapSurface(HBITMAP bitmap) {
    BitmapObject* object = Objects().FindAs<BitmapObject>(bitmap, ObjectKind::Bitmap);
    return object != nullptr ? object->surface.get() : nullptr;
}

// True when another DC has the bitmap selected now; a bitmap draws into one DC at a time.
bool SelectedElsewhere(HBITMAP bitmap, const DeviceContext* except) {
    bool found = false;
    Objects().ForEachDeviceContext([&](HDC, DeviceContext& dc) {
        if (&dc != except && dc.State().bitmap == bitmap) {
            found = true;
        }
    });
    return found;
}

HGDIOBJ SelectBitmap(DeviceContext& dc, HBITMAP bitmap) {
    if (dc.GetKind() != DeviceContext::Kind::Memory) {
        return nullptr;
    }
    const bool stock = Objects().Find(bitmap)->stock;
    if (!stock && SelectedElsewhere(bitmap, &dc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HBITMAP previous = dc.State().bitmap;
    dc.State().bitmap = bitmap;
    dc.SetTarget(BitmapSurface(bitmap));
    return previous;
}

}  // namespace

namespace layer::gdi {

DeviceContext* CheckedDC(HDC dc) {
    DeviceContext* context = LookupDC(dc);
    if (context == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return context;
}

DeviceContext* LookupDC(HDC dc) {
    DeviceContextObject* object = FindDCObject(dc);
    return object != nullptr ? object->dc.get() : nullptr;
}

HDC CreateWindowDC(HWND window, Surface* surface, POINT origin, Region visible) {
    auto context = NewDC(DeviceContext::Kind::Window, window);
    context->SetTarget(surface);
    context->SetOrigin(origin);
    context->SetVisibleRegion(std::move(visible));
    return static_cast<HDC>(
        Objects().Add(std::make_unique<DeviceContextObject>(std::move(context))));
}

void DestroyWindowDC(HDC dc) {
    DeviceContextObject* object = FindDCObject(dc);
    if (object == nullptr || object->dc->GetKind() != DeviceContext::Kind::Window) {
        return;
    }
    Objects().Remove(dc);
    Objects().CollectPending();
}

}  // namespace layer::gdi

HDC WINAPI CreateCompatibleDC(HDC dc) {
    if (dc != nullptr && CheckedDC(dc) == nullptr) {
        return nullptr;
    }
    auto context = NewDC(DeviceContext::Kind::Memory, nullptr);
    context->State().bitmap = StockBitmap();
    context->SetTarget(BitmapSurface(StockBitmap()));
    return static_cast<HDC>(
        Objects().Add(std::make_unique<DeviceContextObject>(std::move(context))));
}

BOOL WINAPI DeleteDC(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    // Window DCs belong to the window manager and go back through ReleaseDC or EndPaint.
    if (context == nullptr || context->GetKind() != DeviceContext::Kind::Memory) {
        if (context != nullptr) {
            SetLastError(ERROR_INVALID_HANDLE);
        }
        return FALSE;
    }
    Objects().Remove(dc);
    Objects().CollectPending();
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ handle) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return nullptr;
    }
    GdiObject* object = Objects().Find(handle);
    if (object == nullptr) {
        return nullptr;
    }
    DrawingState& state = context->State();
    HGDIOBJ previous = nullptr;
    switch (object->Kind()) {
        case ObjectKind::Pen:
            previous = state.pen;
            state.pen = static_cast<HPEN>(handle);
            break;
        case ObjectKind::Brush:
            previous = state.brush;
            state.brush = static_cast<HBRUSH>(handle);
            break;
        case ObjectKind::Font:
            previous = state.font;
            state.font = static_cast<HFONT>(handle);
            break;
        case ObjectKind::Bitmap:
            previous = SelectBitmap(*context, static_cast<HBITMAP>(handle));
            break;
        case ObjectKind::Region: {
            const int result = SelectClipRgn(dc, static_cast<HRGN>(handle));
            return result == ERROR ? HGDI_ERROR
                                   : reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(result));
        }
        case ObjectKind::DeviceContext:
            return nullptr;
    }
    Objects().CollectPending();
    return previous;
}

HGDIOBJ WINAPI GetCurrentObject(HDC dc, UINT type) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return nullptr;
    }
    const DrawingState& state = context->State();
    switch (type) {
        case OBJ_PEN:
            return state.pen;
        case OBJ_BRUSH:
            return state.brush;
        case OBJ_FONT:
            return state.font;
        case OBJ_BITMAP:
            return state.bitmap;
        default:
            return nullptr;
    }
}

int WINAPI SaveDC(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    return context != nullptr ? context->Save() : 0;
}

BOOL WINAPI RestoreDC(HDC dc, int savedDC) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr || !context->Restore(savedDC)) {
        return FALSE;
    }
    if (context->GetKind() == DeviceContext::Kind::Memory) {
        context->SetTarget(BitmapSurface(context->State().bitmap));
    }
    Objects().CollectPending();
    return TRUE;
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF color) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF previous = context->State().textColor;
    context->State().textColor = color;
    return previous;
}

COLORREF WINAPI GetTextColor(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    return context != nullptr ? context->State().textColor : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC dc, COLORREF color) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF previous = context->State().backgroundColor;
    context->State().backgroundColor = color;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    return context != nullptr ? context->State().backgroundColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC dc, int mode) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return 0;
    }
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int previous = context->State().backgroundMode;
    context->State().backgroundMode = mode;
    return previous;
}

int WINAPI GetBkMode(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    return context != nullptr ? context->State().backgroundMode : 0;
}

UINT WINAPI SetTextAlign(HDC dc, UINT align) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return GDI_ERROR;
    }
    const UINT previous = context->State().textAlign;
    context->State().textAlign = align;
    return previous;
}

UINT WINAPI GetTextAlign(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    return context != nullptr ? context->State().textAlign : GDI_ERROR;
}

int WINAPI SetROP2(HDC dc, int rop2) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return 0;
    }
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int previous = context->State().rop2;
    context->State().rop2 = rop2;
    return previous;
}

int WINAPI GetROP2(HDC dc) {
    DeviceContext* context = CheckedDC(dc);
    return context != nullptr ? context->State().rop2 : 0;
}

BOOL WINAPI SetBrushOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* context = CheckedDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (previous != nullptr) {
        *previous = context->State().brushOrigin;
    }
    context->State().brushOrigin = POINT{x, y};
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC dc, int index) {
    if (CheckedDC(dc) == nullptr) {
        return 0;
    }
    switch (index) {
        case TECHNOLOGY:
            return DT_RASDISPLAY;
        case BITSPIXEL:
            return 32;
        case PLANES:
            return 1;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        case HORZRES:
            return GetSystemMetrics(SM_CXSCREEN);
        case VERTRES:
            return GetSystemMetrics(SM_CYSCREEN);
        // Millimetres at 96 pixels per inch.
        case HORZSIZE:
            return GetSystemMetrics(SM_CXSCREEN) * 254 / 960;
        case VERTSIZE:
            return GetSystemMetrics(SM_CYSCREEN) * 254 / 960;
        case NUMCOLORS:
            return -1;
        case COLORRES:
            return 24;
        default:
            return 0;
    }
}
