// The modal loop behind SC_MOVE: the layer moves a top-level window itself, by dragging its
// caption or by the arrow keys, so that moving works on a host without a window manager.
#pragma once

#include "platform/api/user32.h"

namespace layer::user {

class MoveLoop {
  public:
    // How far one arrow key moves the window in a keyboard move.
    static constexpr int kKeyboardStep = 8;

    // A drag started by a press on the caption at a screen point, or a keyboard move.
    static MoveLoop ByMouse(HWND window, POINT pressedAt) {
        return MoveLoop(window, true, pressedAt);
    }
    static MoveLoop ByKeyboard(HWND window) { return MoveLoop(window, false, POINT{0, 0}); }

    // Runs until the button is released (drag), Enter or Esc is pressed (keyboard), the capture
    // is taken away, the window is destroyed or WM_QUIT arrives (posted again for the caller).
    // Sends WM_ENTERSIZEMOVE, WM_MOVING before each move and WM_EXITSIZEMOVE.
    void Run();

  private:
    MoveLoop(HWND window, bool byMouse, POINT start)
        : window_(window), byMouse_(byMouse), start_(start) {}

    // Moves the window to the original rectangle shifted by the offset, as WM_MOVING allows.
    void MoveBy(POINT offset);
    // Handles one retrieved message; false when the loop ends.
    bool Handle(const MSG& message);
    bool HandleKey(UINT virtualKey);

    HWND window_;
    bool byMouse_;
    POINT start_;
    RECT original_{0, 0, 0, 0};
    POINT offset_{0, 0};
};

}  // namespace layer::user
