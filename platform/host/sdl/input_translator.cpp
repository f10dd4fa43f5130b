// SDL events to InputEvents.
#include "platform/host/sdl/input_translator.h"

#include <utility>

#include "platform/host/sdl/key_map.h"
#include "platform/host/sdl/x11_pointer.h"

namespace layer::host {

namespace {

// Win32 numbers the buttons left, right, middle; SDL numbers them left, middle, right.
int ButtonNumber(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

InputEvent WindowInput(InputEvent::Kind kind, HWND window) {
    InputEvent input;
    input.kind = kind;
    input.window = window;
    return input;
}

}  // namespace

InputTranslator::InputTranslator(const TopLevelDirectory& windows) : windows_(windows) {}

std::optional<InputEvent> InputTranslator::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            return TranslateMotion(event.motion);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return TranslateButton(event.button);
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return TranslateKey(event.key);
        case SDL_TEXTINPUT:
            return TranslateText(event.text);
        case SDL_WINDOWEVENT:
            return TranslateWindowEvent(event.window);
        case SDL_QUIT:
            return TranslateQuit();
        case SDL_SYSWMEVENT:
            if (std::optional<X11Pointer> pointer = X11PointerFromSysWm(event)) {
                pendingPointer_ = pointer;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

POINT InputTranslator::ScreenPoint(const SdlTopLevel& topLevel, int localX, int localY) {
    std::optional<X11Pointer> pointer = std::exchange(pendingPointer_, std::nullopt);
    if (pointer && pointer->x11Window == topLevel.X11Window() && topLevel.X11Window() != 0) {
        return pointer->screenPoint;
    }
    return topLevel.ScreenPoint(localX, localY);
}

std::optional<InputEvent> InputTranslator::TranslateMotion(const SDL_MouseMotionEvent& motion) {
    SdlTopLevel* topLevel = Lookup(motion.windowID);
    if (topLevel == nullptr) {
        return std::nullopt;
    }
    InputEvent input = WindowInput(InputEvent::Kind::MouseMove, topLevel->Window());
    input.point = ScreenPoint(*topLevel, motion.x, motion.y);
    return input;
}

std::optional<InputEvent> InputTranslator::TranslateButton(const SDL_MouseButtonEvent& button) {
    int number = ButtonNumber(button.button);
    SdlTopLevel* topLevel = Lookup(button.windowID);
    if (number == 0 || topLevel == nullptr) {
        return std::nullopt;
    }
    bool down = button.type == SDL_MOUSEBUTTONDOWN;
    Uint32 mask = SDL_BUTTON(button.button);
    if (down) {
        // Keep the motion coming while the button is held, also outside the window.
        if (buttonsHeld_ == 0) {
            SDL_CaptureMouse(SDL_TRUE);
        }
        buttonsHeld_ |= mask;
    } else {
        buttonsHeld_ &= ~mask;
        if (buttonsHeld_ == 0) {
            SDL_CaptureMouse(SDL_FALSE);
        }
    }
    InputEvent input = WindowInput(down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp,
                                   topLevel->Window());
    input.point = ScreenPoint(*topLevel, button.x, button.y);
    input.button = number;
    return input;
}

std::optional<InputEvent> InputTranslator::TranslateKey(const SDL_KeyboardEvent& key) {
    modifiers_ = key.keysym.mod;
    std::optional<KeyCode> code =
        KeyFromSdl(key.keysym.scancode, key.keysym.sym, (key.keysym.mod & KMOD_NUM) != 0);
    if (!code) {
        return std::nullopt;
    }
    SdlTopLevel* topLevel = Lookup(key.windowID);
    InputEvent input;
    input.kind = key.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    input.window = topLevel != nullptr ? topLevel->Window() : nullptr;
    input.virtualKey = code->virtualKey;
    input.scanCode = code->scanCode;
    input.extended = code->extended;
    input.repeat = key.type == SDL_KEYDOWN && key.repeat != 0;
    return input;
}

std::optional<InputEvent> InputTranslator::TranslateText(const SDL_TextInputEvent& text) {
    // With the left Alt key held (and no Ctrl, which would make it AltGr) a letter is a
    // shortcut: Windows gives it as WM_SYSCHAR from the key-down, never as typed text.
    if ((modifiers_ & KMOD_LALT) != 0 && (modifiers_ & KMOD_CTRL) == 0) {
        return std::nullopt;
    }
    if (text.text[0] == '\0') {
        return std::nullopt;
    }
    SdlTopLevel* topLevel = Lookup(text.windowID);
    InputEvent input;
    input.kind = InputEvent::Kind::Text;
    input.window = topLevel != nullptr ? topLevel->Window() : nullptr;
    input.text = text.text;
    return input;
}

std::optional<InputEvent> InputTranslator::TranslateWindowEvent(
    const SDL_WindowEvent& windowEvent) {
    SdlTopLevel* topLevel = Lookup(windowEvent.windowID);
    if (topLevel == nullptr) {
        return std::nullopt;
    }
    switch (windowEvent.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            return WindowInput(InputEvent::Kind::FocusGained, topLevel->Window());
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return WindowInput(InputEvent::Kind::FocusLost, topLevel->Window());
        case SDL_WINDOWEVENT_CLOSE:
            return WindowInput(InputEvent::Kind::CloseRequest, topLevel->Window());
        case SDL_WINDOWEVENT_MOVED:
            if (topLevel->TakeReportedMove(windowEvent.data1, windowEvent.data2)) {
                InputEvent input = WindowInput(InputEvent::Kind::Moved, topLevel->Window());
                input.point = POINT{windowEvent.data1, windowEvent.data2};
                return input;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<InputEvent> InputTranslator::TranslateQuit() {
    // SDL turns SIGTERM and SIGINT into SDL_QUIT, once per signal. The program ends on the first
    // session end, so any further request is the same one again.
    if (sessionEnded_) {
        return std::nullopt;
    }
    sessionEnded_ = true;
    return WindowInput(InputEvent::Kind::SessionEnd, nullptr);
}

}  // namespace layer::host
