// Turns the host's input into queued window messages: hit-testing, capture, activation on click,
// double-clicks, mouse-leave tracking, keys with their lParam fields, typed text as WM_CHAR
// bytes, focus changes, close requests and session end. Also holds the key and cursor state.
#pragma once

#include <array>

#include "platform/api/user32.h"
#include "platform/host/host.h"

namespace layer::user {

class InputRouter : public host::InputSink {
  public:
    static InputRouter& Instance();

    void OnInput(const host::InputEvent& event) override;

    POINT CursorPosition() const { return cursor_; }
    // The key state as of the input messages the thread has taken from its queue (GetKeyState):
    // a program reading Shift while handling a key sees it as it was when that key was pressed.
    SHORT KeyState(int virtualKey) const;
    // The key state as input arrives (GetAsyncKeyState).
    SHORT AsyncKeyState(int virtualKey) const;
    // Called for each input message as it is taken from the queue.
    void Retrieved(const MSG& message);
    HWND Capture() const { return capture_; }
    HWND SetCapture(HWND window);
    bool TrackLeave(HWND window, DWORD flags);
    HWND TrackedWindow() const { return tracked_; }
    // A window that goes away or is hidden loses capture and tracking.
    void ForgetWindow(HWND window);

    // The deepest visible, enabled window under a screen point, and the hit-test answer there.
    HWND HitTest(POINT screenPoint, LRESULT* hit);

  private:
    void MouseMove(POINT point);
    void MouseButton(POINT point, int button, bool down);
    void Key(const host::InputEvent& event, bool down);
    void Text(const std::string& utf8);
    void EndSession();
    void Queue(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    WPARAM MouseKeyFlags() const;
    HWND KeyboardTarget() const;

    POINT cursor_{0, 0};
    std::array<BYTE, 256> keys_{};           // as input arrives
    std::array<BYTE, 256> retrievedKeys_{};  // as input messages are taken from the queue
    HWND capture_ = nullptr;
    HWND tracked_ = nullptr;
    struct LastClick {
        HWND window = nullptr;
        int button = 0;
        DWORD time = 0;
        POINT point{0, 0};
    } lastClick_;
};

}  // namespace layer::user
