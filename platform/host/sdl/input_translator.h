// Turns SDL events into the layer's InputEvents: mouse points in screen coordinates, keys as
// virtual keys with scan codes, typed text, focus, close requests, desktop moves, session end.
#pragma once

#include <SDL.h>

#include <functional>
#include <optional>

#include "platform/host/host.h"
#include "platform/host/sdl/sdl_top_level.h"

namespace layer::host {

class InputTranslator {
  public:
    // Finds the top-level window behind an SDL window id; null for windows that are not ours.
    using WindowLookup = std::function<SdlTopLevel*(Uint32 sdlWindowId)>;

    // globalPointer: the video driver can tell where the pointer is on the screen (X11 can).
    InputTranslator(WindowLookup lookup, bool globalPointer);

    // The input that one SDL event stands for, if any.
    std::optional<InputEvent> Translate(const SDL_Event& event);

  private:
    std::optional<InputEvent> TranslateMotion(const SDL_MouseMotionEvent& motion);
    std::optional<InputEvent> TranslateButton(const SDL_MouseButtonEvent& button);
    std::optional<InputEvent> TranslateKey(const SDL_KeyboardEvent& key);
    std::optional<InputEvent> TranslateText(const SDL_TextInputEvent& text);
    std::optional<InputEvent> TranslateWindowEvent(const SDL_WindowEvent& windowEvent);
    std::optional<InputEvent> TranslateQuit();

    WindowLookup lookup_;
    bool globalPointer_;
    Uint32 buttonsHeld_ = 0;        // SDL_BUTTON masks of the buttons now down
    Uint16 modifiers_ = KMOD_NONE;  // the modifier keys as of the last key event
    bool sessionEnded_ = false;
};

}  // namespace layer::host
