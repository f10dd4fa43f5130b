// The font rule of the form's controls.
#include "window/form_font.h"

namespace quorvane {

LOGFONTA AdjustStoredFont(const LOGFONTA& stored) {
    LOGFONTA font = stored;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    return font;
}

FormFont::FormFont(const LOGFONTA* setting) {
    if (setting != nullptr) {
        const LOGFONTA font = AdjustStoredFont(*setting);
        handle_ = ::CreateFontIndirectA(&font);
        owned_ = handle_ != nullptr;
    }
    if (handle_ == nullptr) {
        handle_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    }
}

FormFont::~FormFont() {
    if (owned_) {
        ::DeleteObject(handle_);
    }
}

}  // namespace quorvane
