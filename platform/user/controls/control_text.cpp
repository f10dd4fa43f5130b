// Reading a control's whole window text.
#include "platform/user/controls/control_text.h"

namespace layer::user {

std::string ControlText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace layer::user
