// What a test sees and adjusts while a scenario runs: the headless screen's pixels, the windows
// on it, the focus, window texts, the clock, injected faults and the live object counts.
#pragma once

#include <cstddef>
#include <string>

#include "platform/api/types.h"
#include "platform/host/headless/headless_host.h"

namespace layer::testing {

class Screen {
  public:
    // The screen of the installed headless host; stops the test with a message when no headless
    // host is installed.
    Screen();
    explicit Screen(host::HeadlessHost& host) : host_(&host) {}

    // The colour a person sees at the screen point; 0 outside the screen.
    COLORREF Pixel(int x, int y);
    // The window that a click at the screen point would reach (WindowFromPoint).
    HWND WindowAt(int x, int y);
    // The window with the keyboard focus (GetFocus).
    HWND Focus();
    // The window's text, as GetWindowTextA gives it (code page 936 bytes); empty for a window
    // that does not exist.
    std::string Text(HWND window);
    // Writes a PNG screenshot of the whole screen. False when the file cannot be written.
    bool SavePng(const std::string& path);

    DWORD TickCount();
    void SetTickCount(DWORD tickCount);
    void AdvanceTickCount(DWORD milliseconds);
    // The next CreateWindowExA of the class fails, as if the system had run out of resources.
    void FailNextCreation(const std::string& className);

    size_t LiveWindowCount();
    size_t LiveObjectCount();

    host::HeadlessHost& Host() { return *host_; }

  private:
    host::HeadlessHost* host_;
};

}  // namespace layer::testing
