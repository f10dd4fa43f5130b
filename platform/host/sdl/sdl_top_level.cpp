// The SDL side of one top-level window.
#include "platform/host/sdl/sdl_top_level.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/gdi/surface.h"
#include "platform/host/sdl/x11_pointer.h"

namespace layer::host {

namespace {

// How many of the layer's own moves are remembered while the desktop has not confirmed them.
// SDL confirms most of them silently; the bound only keeps a long drag from growing the list.
constexpr size_t kRememberedMoves = 16;

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// SDL windows have at least one pixel each way; an empty window is simply not shown.
bool HasArea(const RECT& rect) {
    return Width(rect) > 0 && Height(rect) > 0;
}

}  // namespace

std::unique_ptr<SdlTopLevel> SdlTopLevel::Create(HWND window, const TopLevelInfo& info) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (!info.taskbar) {
        flags |= SDL_WINDOW_SKIP_TASKBAR;
    }
    SDL_Window* sdlWindow = SDL_CreateWindow(
        info.titleUtf8.c_str(), info.screenRect.left, info.screenRect.top,
        std::max(1, Width(info.screenRect)), std::max(1, Height(info.screenRect)), flags);
    if (sdlWindow == nullptr) {
        std::fprintf(stderr, "A window could not be opened on the display: %s\n", SDL_GetError());
        return nullptr;
    }
    std::unique_ptr<SdlTopLevel> topLevel(new SdlTopLevel(window, sdlWindow, info));
    topLevel->Update(info);
    return topLevel;
}

SdlTopLevel::SdlTopLevel(HWND window, SDL_Window* sdlWindow, const TopLevelInfo& info)
    : window_(window), sdlWindow_(sdlWindow), info_(info), x11Window_(X11WindowOf(sdlWindow)) {
    info_.visible = false;
}

SdlTopLevel::~SdlTopLevel() {
    SDL_DestroyWindow(sdlWindow_);
}

void SdlTopLevel::Update(const TopLevelInfo& info) {
    if (info.titleUtf8 != info_.titleUtf8) {
        SDL_SetWindowTitle(sdlWindow_, info.titleUtf8.c_str());
    }
    const RECT& rect = info.screenRect;
    if (HasArea(rect) &&
        (Width(rect) != Width(info_.screenRect) || Height(rect) != Height(info_.screenRect))) {
        SDL_SetWindowSize(sdlWindow_, Width(rect), Height(rect));
    }
    if (rect.left != info_.screenRect.left || rect.top != info_.screenRect.top) {
        MoveTo(rect);
    }
    info_ = info;

    bool show = info.visible && HasArea(rect);
    if (show && !shown_) {
        SDL_ShowWindow(sdlWindow_);
        if (!everShown_) {
            // A newly shown window is the active one, as on Windows. Without a window manager
            // nobody else would give it the keyboard. Being new, it is on top already.
            SDL_SetWindowInputFocus(sdlWindow_);
            everShown_ = true;
        }
        if (presented_) {
            Redraw();
        }
    } else if (!show && shown_) {
        SDL_HideWindow(sdlWindow_);
    }
    shown_ = show;
}

void SdlTopLevel::MoveTo(const RECT& rect) {
    requestedPositions_.push_back(POINT{rect.left, rect.top});
    if (requestedPositions_.size() > kRememberedMoves) {
        requestedPositions_.pop_front();
    }
    SDL_SetWindowPosition(sdlWindow_, rect.left, rect.top);
}

void SdlTopLevel::SetIcon(int width, int height, const std::vector<uint32_t>& argb) {
    if (width <= 0 || height <= 0 ||
        argb.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return;
    }
    // SDL copies the pixels into the window's icon property, so the surface may borrow them.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(argb.data()), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) {
        return;
    }
    SDL_SetWindowIcon(sdlWindow_, icon);
    SDL_FreeSurface(icon);
}

void SdlTopLevel::Present(const gdi::Surface& surface, const RECT& dirty) {
    SDL_Surface* target = SDL_GetWindowSurface(sdlWindow_);
    if (target == nullptr) {
        return;
    }
    int left = std::max<LONG>(dirty.left, 0);
    int top = std::max<LONG>(dirty.top, 0);
    int right = std::min({static_cast<int>(dirty.right), surface.Width(), target->w});
    int bottom = std::min({static_cast<int>(dirty.bottom), surface.Height(), target->h});
    if (left >= right || top >= bottom) {
        return;
    }
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
        return;
    }
    const uint8_t* source =
        reinterpret_cast<const uint8_t*>(surface.Pixels()) + top * surface.Stride() + left * 4;
    uint8_t* destination = static_cast<uint8_t*>(target->pixels) + top * target->pitch +
                           left * target->format->BytesPerPixel;
    if (target->format->format == SDL_PIXELFORMAT_RGB888 ||
        target->format->format == SDL_PIXELFORMAT_ARGB8888) {
        // The usual case: the display's pixels have the layout of ours.
        for (int row = top; row < bottom; ++row) {
            std::memcpy(destination, source, static_cast<size_t>(right - left) * 4);
            source += surface.Stride();
            destination += target->pitch;
        }
    } else {
        SDL_ConvertPixels(right - left, bottom - top, SDL_PIXELFORMAT_RGB888, source,
                          surface.Stride(), target->format->format, destination, target->pitch);
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_UnlockSurface(target);
    }
    presented_ = true;
    if (shown_) {
        SDL_Rect rect{left, top, right - left, bottom - top};
        SDL_UpdateWindowSurfaceRects(sdlWindow_, &rect, 1);
    }
}

void SdlTopLevel::Redraw() {
    if (SDL_GetWindowSurface(sdlWindow_) != nullptr) {
        SDL_UpdateWindowSurface(sdlWindow_);
    }
}

POINT SdlTopLevel::ScreenPoint(int localX, int localY) const {
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(sdlWindow_, &x, &y);
    return POINT{x + localX, y + localY};
}

bool SdlTopLevel::TakeReportedMove(int x, int y) {
    auto requested = std::find_if(requestedPositions_.begin(), requestedPositions_.end(),
                                  [&](const POINT& point) { return point.x == x && point.y == y; });
    if (requested != requestedPositions_.end()) {
        requestedPositions_.erase(requestedPositions_.begin(), requested + 1);
        return false;
    }
    if (x == info_.screenRect.left && y == info_.screenRect.top) {
        return false;
    }
    // The window is already there: when the layer follows with the new rectangle, nothing moves.
    info_.screenRect.right += x - info_.screenRect.left;
    info_.screenRect.bottom += y - info_.screenRect.top;
    info_.screenRect.left = x;
    info_.screenRect.top = y;
    return true;
}

}  // namespace layer::host
