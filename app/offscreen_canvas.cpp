// Composing a window's paint in a memory DC and copying it to the window DC once.
#include "app/offscreen_canvas.h"

namespace quorvane {

OffscreenCanvas::OffscreenCanvas(HWND window, Start start) : window_(window) {
    RECT outer{};
    if (!::GetWindowRect(window, &outer)) {
        return;
    }
    size_ = {outer.right - outer.left, outer.bottom - outer.top};
    if (size_.cx <= 0 || size_.cy <= 0) {
        return;
    }
    windowDc_ = ::GetWindowDC(window);
    if (windowDc_ == nullptr) {
        return;
    }
    HDC memoryDc = ::CreateCompatibleDC(windowDc_);
    bitmap_ =
        memoryDc != nullptr ? ::CreateCompatibleBitmap(windowDc_, size_.cx, size_.cy) : nullptr;
    if (bitmap_ == nullptr) {
        if (memoryDc != nullptr) {
            ::DeleteDC(memoryDc);
        }
        return;
    }
    memoryDc_ = memoryDc;
    previousBitmap_ = ::SelectObject(memoryDc_, bitmap_);
    if (start == Start::CopyOfScreen) {
        ::BitBlt(memoryDc_, 0, 0, size_.cx, size_.cy, windowDc_, 0, 0, SRCCOPY);
    }
}

OffscreenCanvas::~OffscreenCanvas() {
    if (memoryDc_ != nullptr) {
        ::SelectObject(memoryDc_, previousBitmap_);
        ::DeleteDC(memoryDc_);
    }
    if (bitmap_ != nullptr) {
        ::DeleteObject(bitmap_);
    }
    if (windowDc_ != nullptr) {
        ::ReleaseDC(window_, windowDc_);
    }
}

void OffscreenCanvas::CopyToScreen() {
    if (Ready()) {
        ::BitBlt(windowDc_, 0, 0, size_.cx, size_.cy, memoryDc_, 0, 0, SRCCOPY);
    }
}

}  // namespace quorvane
