// Where the pointer was on the screen when the X server reported a pointer event, read from the
// raw X event that SDL hands on as SDL_SYSWMEVENT just before its own mouse event for it. SDL's
// mouse events carry only window coordinates: clamped to the window once the mouse is released,
// taken from the last motion for buttons, and relative to where the window was when the event
// was queued, which is no longer true once the layer has moved it (a caption drag).
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/api/types.h"

namespace layer::host {

// The X window of a pointer event and the pointer's screen position at that moment.
struct X11Pointer {
    unsigned long x11Window = 0;
    POINT screenPoint{0, 0};
};

// Asks SDL to hand on raw X events; harmless on other video drivers.
void EnableX11Pointers();

// The pointer of a motion, button or crossing event of the X server; nothing for other events.
std::optional<X11Pointer> X11PointerFromSysWm(const SDL_Event& event);

// The X window behind an SDL window; 0 when the video driver is not X11.
unsigned long X11WindowOf(SDL_Window* window);

}  // namespace layer::host
