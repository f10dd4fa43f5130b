// The border rule of edit boxes and labels.
#include "window/border_rule.h"

namespace quorvane {

BorderStyles StylesWithBorder(BorderStyles current, int32_t border) {
    BorderStyles result = current;
    result.extendedStyle &=
        ~static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME);
    result.style &= ~static_cast<DWORD>(WS_BORDER);
    switch (border) {
        case 1:
            result.extendedStyle |= WS_EX_CLIENTEDGE;
            break;
        case 2:
            result.extendedStyle |= WS_EX_DLGMODALFRAME;
            break;
        case 3:
            result.extendedStyle |= WS_EX_STATICEDGE;
            break;
        case 4:
            result.extendedStyle |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
            break;
        case 5:
            result.style |= WS_BORDER;
            break;
        default:
            break;
    }
    return result;
}

void ApplyBorder(HWND window, int32_t border) {
    const BorderStyles current{static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE)),
                               static_cast<DWORD>(::GetWindowLongA(window, GWL_EXSTYLE))};
    const BorderStyles wanted = StylesWithBorder(current, border);
    ::SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(wanted.extendedStyle));
    ::SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(wanted.style));
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvane
