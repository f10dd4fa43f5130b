// Measuring text in a DC: extents, cell metrics and the face name of the selected font.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/api/kernel32.h"
#include "platform/api/text.h"
#include "platform/gdi/text/dc_text.h"
#include "platform/gdi/text/ansi_characters.h"
#include "platform/gdi/text/text_painter.h"

namespace {

constexpr BYTE kChineseCharSet = 134;                            // GB2312_CHARSET
constexpr BYTE kVariablePitchSwiss = 0x20 | 0x02 | 0x04 | 0x01;  // FF_SWISS, TMPF_*

}  // namespace

BOOL WINAPI GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size) {
    auto* context = layer::text::TextDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (size == nullptr || count < 0 || (text == nullptr && count > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto font = layer::text::SelectedFont(*context);
    const std::string_view ansi(text != nullptr ? text : "", static_cast<size_t>(count));
    size->cx = layer::text::LayOutRun(*font, ansi).width;
    size->cy = font->Metrics().height;
    return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) {
    auto* context = layer::text::TextDC(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (metrics == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto font = layer::text::SelectedFont(*context);
    const auto& cell = font->Metrics();
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = cell.height;
    metrics->tmAscent = cell.ascent;
    metrics->tmDescent = cell.descent;
    metrics->tmInternalLeading = cell.internalLeading;
    metrics->tmExternalLeading = 0;
    metrics->tmAveCharWidth = cell.averageCharWidth;
    metrics->tmMaxCharWidth = cell.maxCharWidth;
    metrics->tmWeight = cell.weight;
    metrics->tmOverhang = 0;
    metrics->tmDigitizedAspectX = 96;
    metrics->tmDigitizedAspectY = 96;
    metrics->tmFirstChar = 0x1E;
    metrics->tmLastChar = 0xFF;
    metrics->tmDefaultChar = 0x1F;
    metrics->tmBreakChar = 0x20;
    metrics->tmItalic = cell.italic ? 0xFF : 0;
    metrics->tmUnderlined = cell.underline ? 0xFF : 0;
    metrics->tmStruckOut = cell.strikeOut ? 0xFF : 0;
    metrics->tmPitchAndFamily = kVariablePitchSwiss;
    metrics->tmCharSet = kChineseCharSet;
    return TRUE;
}

int WINAPI GetTextFaceA(HDC dc, int count, LPSTR faceName) {
    auto* context = layer::text::TextDC(dc);
    if (context == nullptr) {
        return 0;
    }
    const std::string& name = layer::text::SelectedFont(*context)->FaceName();
    if (faceName == nullptr) {
        return static_cast<int>(name.size()) + 1;
    }
    if (count <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // Copy whole characters only, so that a short buffer never ends in half a character.
    size_t length = 0;
    while (length < name.size()) {
        const size_t next = length + layer::text::CharacterLengthAt(name, length);
        if (next > static_cast<size_t>(count) - 1) {
            break;
        }
        length = next;
    }
    std::memcpy(faceName, name.data(), length);
    faceName[length] = '\0';
    return static_cast<int>(length) + 1;
}
