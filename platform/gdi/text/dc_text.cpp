// Finding a DC's font for text output.
#include "platform/gdi/text/dc_text.h"

#include "platform/api/kernel32.h"

namespace layer::text {

std::shared_ptr<const RealizedFont> SelectedFont(const gdi::DeviceContext& dc) {
    if (const LOGFONTA* logFont = gdi::FontLogFont(dc.State().font)) {
        return RealizedFont::Realize(*logFont);
    }
    LOGFONTA fallback{};
    fallback.lfHeight = -RealizedFont::kDefaultEmPixels;
    fallback.lfWeight = 400;
    fallback.lfCharSet = 134;  // GB2312_CHARSET
    return RealizedFont::Realize(fallback);
}

gdi::DeviceContext* TextDC(HDC dc) {
    gdi::DeviceContext* context = gdi::LookupDC(dc);
    if (context == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return context;
}

}  // namespace layer::text
