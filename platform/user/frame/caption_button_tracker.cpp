// The caption button press loop: it holds the capture and reads the queue itself, as a person
// holding the mouse button down over the close box owns the mouse until the release.
#include "platform/user/frame/caption_button_tracker.h"

#include "platform/api/rect.h"
#include "platform/user/frame/caption_painter.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

bool PointerOnBox(HWND handle, CaptionButton button, POINT screenPoint) {
    const Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return false;
    }
    RECT box = CaptionButtonRect(*window, button);
    RECT outer = ScreenWindowRect(*window);
    ::OffsetRect(&box, outer.left, outer.top);
    return ::PtInRect(&box, screenPoint) != FALSE;
}

void ShowPressed(HWND window, CaptionButton button, bool pressed) {
    PressedCaptionButton& current = CurrentPressedCaptionButton();
    PressedCaptionButton wanted{pressed ? window : nullptr, pressed ? button : CaptionButton::None};
    if (current.window == wanted.window && current.button == wanted.button) {
        return;
    }
    current = wanted;
    RepaintCaptionButtons(window);
}

}  // namespace

bool TrackCaptionButton(HWND window, CaptionButton button) {
    if (!::IsWindow(window) || button == CaptionButton::None ||
        !CaptionButtonEnabled(window, button)) {
        return false;
    }
    ::SetCapture(window);
    ShowPressed(window, button, true);
    bool onBox = true;
    MSG message;
    while (true) {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            onBox = false;
            break;
        }
        if (got < 0 || !::IsWindow(window) || ::GetCapture() != window) {
            onBox = false;
            break;
        }
        if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
            onBox = PointerOnBox(window, button, message.pt);
            ShowPressed(window, button, onBox);
        } else if (message.message == WM_LBUTTONUP || message.message == WM_NCLBUTTONUP) {
            onBox = PointerOnBox(window, button, message.pt);
            break;
        } else if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            onBox = false;
            break;
        } else if (message.message != WM_NCMOUSEMOVE && message.message != WM_NCLBUTTONDOWN &&
                   (message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST) &&
                   (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    if (::IsWindow(window)) {
        if (::GetCapture() == window) {
            ::ReleaseCapture();
        }
        ShowPressed(window, button, false);
    } else {
        CurrentPressedCaptionButton() = PressedCaptionButton{};
    }
    return onBox;
}

}  // namespace layer::user
