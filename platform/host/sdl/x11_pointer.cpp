// Reading the pointer's screen position from raw X events. X11's headers stay in this file: their
// macros (None, Bool, Cursor...) would collide with the layer's names elsewhere.
#include "platform/host/sdl/x11_pointer.h"

// The installed SDL headers leave the driver list to the program that needs a driver's types.
#ifndef SDL_VIDEO_DRIVER_X11
#define SDL_VIDEO_DRIVER_X11 1
#endif
#include <SDL_syswm.h>

namespace layer::host {

void EnableX11Pointers() {
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

std::optional<X11Pointer> X11PointerFromSysWm(const SDL_Event& event) {
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
        event.syswm.msg->subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    const XEvent& raw = event.syswm.msg->msg.x11.event;
    switch (raw.type) {
        case MotionNotify:
            return X11Pointer{raw.xmotion.window, POINT{raw.xmotion.x_root, raw.xmotion.y_root}};
        case ButtonPress:
        case ButtonRelease:
            return X11Pointer{raw.xbutton.window, POINT{raw.xbutton.x_root, raw.xbutton.y_root}};
        case EnterNotify:
        case LeaveNotify:
            return X11Pointer{raw.xcrossing.window,
                              POINT{raw.xcrossing.x_root, raw.xcrossing.y_root}};
        default:
            return std::nullopt;
    }
}

unsigned long X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return 0;
    }
    return info.info.x11.window;
}

}  // namespace layer::host
