// An off-screen copy of a whole window: the look paints a control into it and copies it to the
// screen in one step, so that no half-painted control is ever seen.
#pragma once

#include "platform/win32.h"

namespace quorvane {

class OffscreenCanvas {
  public:
    enum class Start { Blank, CopyOfScreen };

    // A memory DC holding a bitmap as large as the window, in window coordinates; with
    // CopyOfScreen it starts as what the window shows.
    OffscreenCanvas(HWND window, Start start);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    // False when the DCs or the bitmap could not be made; nothing is then painted.
    bool Ready() const { return memoryDc_ != nullptr; }
    HDC Dc() const { return memoryDc_; }
    SIZE Size() const { return size_; }

    // Copies the whole bitmap onto the window.
    void CopyToScreen();

  private:
    HWND window_;
    HDC windowDc_ = nullptr;
    HDC memoryDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    SIZE size_{0, 0};
};

}  // namespace quorvane
