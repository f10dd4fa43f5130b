// One top-level window of the layer shown as one borderless SDL window: placement, title, icon,
// visibility and the pixels the layer presents.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/host/host.h"

namespace layer::host {

class SdlTopLevel {
  public:
    // Opens the SDL window for a top-level window, hidden until Update says otherwise; null
    // when SDL cannot create it (the reason goes to stderr).
    static std::unique_ptr<SdlTopLevel> Create(HWND window, const TopLevelInfo& info);
    SdlTopLevel(const SdlTopLevel&) = delete;
    SdlTopLevel& operator=(const SdlTopLevel&) = delete;
    ~SdlTopLevel();

    HWND Window() const { return window_; }
    Uint32 SdlWindowId() const { return SDL_GetWindowID(sdlWindow_); }
    SDL_Window* SdlWindow() const { return sdlWindow_; }
    bool Visible() const { return shown_; }

    // Follows the layer's idea of the window: place, size, title, shown or hidden.
    void Update(const TopLevelInfo& info);
    // 0xAARRGGBB pixels, top row first. SDL cannot take an icon away again, so an empty one
    // leaves the current icon in place.
    void SetIcon(int width, int height, const std::vector<uint32_t>& argb);
    // Copies dirty (window coordinates) from the layer's surface and shows it.
    void Present(const gdi::Surface& surface, const RECT& dirty);
    // Shows the pixels already held again, after the desktop exposed the window.
    void Redraw();

    // The X window behind it; 0 on other video drivers.
    unsigned long X11Window() const { return x11Window_; }
    // A point in window coordinates, on the screen as the window is placed now.
    POINT ScreenPoint(int localX, int localY) const;
    // The desktop reports the window at (x, y). True when that is a move of the desktop's own
    // (a window manager dragging it), false when it only confirms a move the layer asked for.
    bool TakeReportedMove(int x, int y);

  private:
    SdlTopLevel(HWND window, SDL_Window* sdlWindow, const TopLevelInfo& info);
    void MoveTo(const RECT& rect);

    HWND window_;
    SDL_Window* sdlWindow_;
    TopLevelInfo info_;
    bool shown_ = false;
    bool everShown_ = false;
    bool presented_ = false;  // the SDL surface holds pixels of the layer's
    // Positions the layer asked for that the desktop may still confirm, oldest first.
    std::deque<POINT> requestedPositions_;
    unsigned long x11Window_ = 0;
};

}  // namespace layer::host
