// The display backend behind the layer: the screen, top-level surfaces on it, input, the clock,
// the clipboard and the cursor. Two implementations: sdl/ (real windows) and headless/ (tests).
// The layer calls the host; the host calls back only through the InputSink it is handed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/api/types.h"
#include "platform/gdi/surface.h"

namespace layer::host {

enum class Cursor { Arrow, IBeam, Wait, Cross, SizeAll, Hand, No };

// One piece of input, as the host saw it. Mouse points are in screen coordinates.
struct InputEvent {
    enum class Kind {
        MouseMove,    // point
        ButtonDown,   // point, button
        ButtonUp,     // point, button
        KeyDown,      // virtualKey, scanCode, repeat, extended
        KeyUp,        // virtualKey, scanCode, extended
        Text,         // text: UTF-8, typed or from an input method; never tied to a key-down
        FocusGained,  // window: a top-level window got the desktop's keyboard focus
        FocusLost,    // window: it lost it
        CloseRequest, // window: the desktop asked to close it
        SessionEnd,   // log-off, shutdown, SIGTERM, or the host's quit request
        Moved,        // window: moved by the desktop; point is its new top-left
    };
    Kind kind = Kind::MouseMove;
    HWND window = nullptr;
    POINT point{0, 0};
    int button = 0;  // 1 left, 2 right, 3 middle
    UINT virtualKey = 0;
    UINT scanCode = 0;
    bool repeat = false;
    bool extended = false;
    std::string text;
};

// Where the host delivers input: the layer's input queue.
class InputSink {
public:
    virtual ~InputSink() = default;
    virtual void OnInput(const InputEvent& event) = 0;
};

// What the host needs to know to show one top-level window.
struct TopLevelInfo {
    RECT screenRect{0, 0, 0, 0};  // outer rectangle on the screen
    bool visible = false;
    bool taskbar = true;          // owner-less windows get a taskbar entry
    std::string titleUtf8;
};

class Host {
public:
    virtual ~Host() = default;

    virtual SIZE ScreenSize() const = 0;

    // Creates the host's side of a top-level window on first call, then follows its changes.
    virtual void UpdateTopLevel(HWND window, const TopLevelInfo& info) = 0;
    // The window's icon, 0xAARRGGBB pixels, top row first; an empty vector removes it.
    virtual void SetTopLevelIcon(HWND window, int width, int height,
                                 const std::vector<uint32_t>& argb) = 0;
    virtual void DestroyTopLevel(HWND window) = 0;
    // The visible top-level windows, topmost first.
    virtual void SetZOrder(const std::vector<HWND>& topToBottom) = 0;
    // The window's pixels changed inside dirty (window coordinates): show them.
    virtual void Present(HWND window, const gdi::Surface& surface, const RECT& dirty) = 0;

    // Delivers all input that is waiting, without blocking. True when it delivered any.
    virtual bool PollInput(InputSink& sink) = 0;
    // Blocks until input arrives (and delivers it) or the tick count reaches deadline. True when
    // it delivered input.
    virtual bool WaitForInput(InputSink& sink, std::optional<DWORD> deadline) = 0;

    // Milliseconds since the system started, wrapping at 2^32.
    virtual DWORD TickCount() = 0;
    virtual UINT DoubleClickTime() = 0;

    virtual std::string ClipboardText() = 0;  // UTF-8
    virtual void SetClipboardText(const std::string& utf8) = 0;
    virtual void SetCursor(Cursor cursor) = 0;
};

// The installed host. On first use with none installed it opens the SDL host; when no display
// can be opened it says so on stderr once and returns null, and window creation fails.
Host* Current();
// Tests install the headless host before creating any window; null uninstalls.
void Install(std::unique_ptr<Host> host);
// Grows with every installation, so that the layer can tell a newly installed host from the one
// before it even when the new one happens to occupy the same memory.
uint64_t Generation();

}  // namespace layer::host
