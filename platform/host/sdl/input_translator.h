// Turns SDL events into the layer's InputEvents: mouse points in screen coordinates, keys as
// virtual keys with scan codes, typed text, focus, close requests, desktop moves, session end.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/host/host.h"
#include "platform/host/sdl/sdl_top_level.h"
#include "platform/host/sdl/x11_pointer.h"

namespace layer::host {

// Finds the top-level window behind an SDL window id; null for windows that are not ours.
class TopLevelDirectory {
  public:
    virtual ~TopLevelDirectory() = default;
    virtual SdlTopLevel* BySdlId(Uint32 sdlWindowId) const = 0;
};

class InputTranslator {
  public:
    explicit InputTranslator(const TopLevelDirectory& windows);

    // The input that one SDL event stands for, if any.
    std::optional<InputEvent> Translate(const SDL_Event& event);

  private:
    std::optional<InputEvent> TranslateMotion(const SDL_MouseMotionEvent& motion);
    std::optional<InputEvent> TranslateButton(const SDL_MouseButtonEvent& button);
    std::optional<InputEvent> TranslateKey(const SDL_KeyboardEvent& key);
    std::optional<InputEvent> TranslateText(const SDL_TextInputEvent& text);
    std::optional<InputEvent> TranslateWindowEvent(const SDL_WindowEvent& windowEvent);
    std::optional<InputEvent> TranslateQuit();

    // The screen point of a mouse event: where the display said the pointer was, when the raw
    // event came just before; else the window's place plus the event's window coordinates.
    POINT ScreenPoint(const SdlTopLevel& topLevel, int localX, int localY);
    SdlTopLevel* Lookup(Uint32 sdlWindowId) const { return windows_.BySdlId(sdlWindowId); }

    const TopLevelDirectory& windows_;
    Uint32 buttonsHeld_ = 0;        // SDL_BUTTON masks of the buttons now down
    Uint16 modifiers_ = KMOD_NONE;  // the modifier keys as of the last key event
    bool sessionEnded_ = false;
    std::optional<X11Pointer> pendingPointer_;
};

}  // namespace layer::host
