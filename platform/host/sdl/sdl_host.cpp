// The SDL2 host: start-up, the top-level windows by handle, waiting for input, the clock, the
// clipboard and the cursors.
#include "platform/host/sdl/sdl_host.h"

#include "platform/host/sdl/x11_pointer.h"
#include "platform/host/sdl/xsettings.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace layer::host {

namespace {

constexpr UINT kDefaultDoubleClickTime = 500;

// Double-click times that make sense: Windows accepts up to five seconds.
std::optional<UINT> ValidDoubleClickTime(long milliseconds) {
    if (milliseconds <= 0 || milliseconds > 5000) {
        return std::nullopt;
    }
    return static_cast<UINT>(milliseconds);
}

SDL_SystemCursor SystemCursorFor(Cursor cursor) {
    switch (cursor) {
        case Cursor::Arrow:
            return SDL_SYSTEM_CURSOR_ARROW;
        case Cursor::IBeam:
            return SDL_SYSTEM_CURSOR_IBEAM;
        case Cursor::Wait:
            return SDL_SYSTEM_CURSOR_WAIT;
        case Cursor::Cross:
            return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case Cursor::SizeAll:
            return SDL_SYSTEM_CURSOR_SIZEALL;
        case Cursor::Hand:
            return SDL_SYSTEM_CURSOR_HAND;
        case Cursor::No:
            return SDL_SYSTEM_CURSOR_NO;
    }
    return SDL_SYSTEM_CURSOR_ARROW;
}

// Hints that must be set before the video subsystem starts.
void SetStartHints() {
    // Without this SDL on X11 routes the window surface through OpenGL, which under a software
    // renderer costs tens of milliseconds at start and several times the memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Closing the last window is the program's business (WM_CLOSE), not a quit request.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A desktop program leaves the screen saver alone.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // A click that activates a window also reaches it, as on Windows.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
}

// True unless SDL picked a driver that shows nothing by itself. Those count only when the user
// asked for them by name (SDL_VIDEODRIVER), as tests do.
bool ShowsOnScreen(const char* driver) {
    if (driver == nullptr) {
        return false;
    }
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) {
        return true;
    }
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return requested != nullptr && SDL_strcasecmp(requested, driver) == 0;
}

}  // namespace

std::unique_ptr<Host> CreateSdlHost() {
    SetStartHints();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL could not open a display: %s\n", SDL_GetError());
        return nullptr;
    }
    if (!ShowsOnScreen(SDL_GetCurrentVideoDriver())) {
        // With no display SDL falls back to drivers that draw nowhere; a program started that
        // way would run with no window anyone can see.
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return std::make_unique<SdlHost>();
}

SdlHost::SdlHost()
    : translator_(*this), x11_(std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) {
    EnableX11Pointers();
    // Typed text, the input method's included, reaches the layer only through SDL_TEXTINPUT.
    SDL_StartTextInput();
}

SdlHost::~SdlHost() {
    windows_.clear();
    for (SDL_Cursor* cursor : cursors_) {
        if (cursor != nullptr) {
            SDL_FreeCursor(cursor);
        }
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

SIZE SdlHost::ScreenSize() const {
    SDL_Rect bounds{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(0, &bounds) != 0) {
        return SIZE{0, 0};
    }
    return SIZE{bounds.w, bounds.h};
}

SdlTopLevel* SdlHost::Find(HWND window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

SdlTopLevel* SdlHost::BySdlId(Uint32 sdlWindowId) const {
    for (const auto& [window, topLevel] : windows_) {
        if (topLevel->SdlWindowId() == sdlWindowId) {
            return topLevel.get();
        }
    }
    return nullptr;
}

void SdlHost::UpdateTopLevel(HWND window, const TopLevelInfo& info) {
    if (SdlTopLevel* topLevel = Find(window)) {
        topLevel->Update(info);
        return;
    }
    if (std::unique_ptr<SdlTopLevel> topLevel = SdlTopLevel::Create(window, info)) {
        windows_.emplace(window, std::move(topLevel));
    }
}

void SdlHost::SetTopLevelIcon(HWND window, int width, int height,
                              const std::vector<uint32_t>& argb) {
    if (SdlTopLevel* topLevel = Find(window)) {
        topLevel->SetIcon(width, height, argb);
    }
}

void SdlHost::DestroyTopLevel(HWND window) {
    windows_.erase(window);
    std::erase(zOrder_, window);
}

void SdlHost::SetZOrder(const std::vector<HWND>& topToBottom) {
    if (topToBottom == zOrder_) {
        return;
    }
    zOrder_ = topToBottom;
    // The order is among the program's own windows: one window has nothing to be above, and
    // raising it would only push it over other programs' windows.
    if (topToBottom.size() < 2) {
        return;
    }
    // Raising each window from the bottom up leaves them stacked in the order asked for.
    for (auto window = topToBottom.rbegin(); window != topToBottom.rend(); ++window) {
        if (SdlTopLevel* topLevel = Find(*window); topLevel != nullptr && topLevel->Visible()) {
            SDL_RaiseWindow(topLevel->SdlWindow());
        }
    }
}

void SdlHost::Present(HWND window, const gdi::Surface& surface, const RECT& dirty) {
    if (SdlTopLevel* topLevel = Find(window)) {
        topLevel->Present(surface, dirty);
    }
}

bool SdlHost::Deliver(const SDL_Event& event, InputSink& sink) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        if (SdlTopLevel* topLevel = BySdlId(event.window.windowID)) {
            topLevel->Redraw();
        }
        return false;
    }
    std::optional<InputEvent> input = translator_.Translate(event);
    if (!input) {
        return false;
    }
    sink.OnInput(*input);
    return true;
}

bool SdlHost::PollInput(InputSink& sink) {
    bool delivered = false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        delivered = Deliver(event, sink) || delivered;
    }
    return delivered;
}

bool SdlHost::WaitForInput(InputSink& sink, std::optional<DWORD> deadline) {
    for (;;) {
        int timeout = -1;
        if (deadline) {
            // The tick count wraps, so the time left is the signed difference.
            int32_t left = static_cast<int32_t>(*deadline - TickCount());
            if (left <= 0) {
                return PollInput(sink);
            }
            timeout = left;
        }
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, timeout) == 0) {
            if (!deadline) {
                // Waiting without a deadline failed: SDL has no event queue any more.
                return false;
            }
            continue;
        }
        bool delivered = Deliver(event, sink);
        delivered = PollInput(sink) || delivered;
        if (delivered) {
            return true;
        }
    }
}

DWORD SdlHost::TickCount() {
    // The time since boot, suspended time included, like the Windows tick count.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<DWORD>(milliseconds);
}

UINT SdlHost::DoubleClickTime() {
    // An explicit SDL hint wins, then the desktop's own setting, then the Windows default.
    if (const char* hint = SDL_GetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME)) {
        if (std::optional<UINT> time = ValidDoubleClickTime(std::strtol(hint, nullptr, 10))) {
            return *time;
        }
    }
    if (!desktopDoubleClickTime_) {
        std::optional<int32_t> desktop = x11_ ? DesktopDoubleClickTime() : std::nullopt;
        desktopDoubleClickTime_ =
            ValidDoubleClickTime(desktop.value_or(0)).value_or(kDefaultDoubleClickTime);
    }
    return *desktopDoubleClickTime_;
}

std::string SdlHost::ClipboardText() {
    char* text = SDL_GetClipboardText();
    if (text == nullptr) {
        return {};
    }
    std::string result(text);
    SDL_free(text);
    return result;
}

void SdlHost::SetClipboardText(const std::string& utf8) {
    SDL_SetClipboardText(utf8.c_str());
}

void SdlHost::SetCursor(Cursor cursor) {
    if (currentCursor_ == cursor) {
        return;
    }
    size_t index = static_cast<size_t>(cursor);
    if (index >= cursors_.size()) {
        return;
    }
    if (cursors_[index] == nullptr) {
        cursors_[index] = SDL_CreateSystemCursor(SystemCursorFor(cursor));
        if (cursors_[index] == nullptr) {
            return;
        }
    }
    SDL_SetCursor(cursors_[index]);
    currentCursor_ = cursor;
}

}  // namespace layer::host
