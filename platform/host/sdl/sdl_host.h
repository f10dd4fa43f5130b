// The SDL2 host: each visible top-level window is one borderless SDL window; input, the
// clipboard and the cursors come from SDL.
#pragma once

#include <SDL.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/host.h"
#include "platform/host/sdl/input_translator.h"
#include "platform/host/sdl/sdl_top_level.h"

namespace layer::host {

// Opens the SDL video subsystem; null when no display can be opened.
std::unique_ptr<Host> CreateSdlHost();

class SdlHost : public Host, private TopLevelDirectory {
  public:
    // Expects the SDL video subsystem to be initialised; closes it on destruction.
    SdlHost();
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;
    ~SdlHost() override;

    SIZE ScreenSize() const override;

    void UpdateTopLevel(HWND window, const TopLevelInfo& info) override;
    void SetTopLevelIcon(HWND window, int width, int height,
                         const std::vector<uint32_t>& argb) override;
    void DestroyTopLevel(HWND window) override;
    void SetZOrder(const std::vector<HWND>& topToBottom) override;
    void Present(HWND window, const gdi::Surface& surface, const RECT& dirty) override;

    bool PollInput(InputSink& sink) override;
    bool WaitForInput(InputSink& sink, std::optional<DWORD> deadline) override;

    DWORD TickCount() override;
    UINT DoubleClickTime() override;

    std::string ClipboardText() override;
    void SetClipboardText(const std::string& utf8) override;
    void SetCursor(Cursor cursor) override;

  private:
    SdlTopLevel* Find(HWND window) const;
    SdlTopLevel* BySdlId(Uint32 sdlWindowId) const override;
    // Hands one SDL event to the sink if it is input; true when it was.
    bool Deliver(const SDL_Event& event, InputSink& sink);

    std::map<HWND, std::unique_ptr<SdlTopLevel>> windows_;
    std::vector<HWND> zOrder_;
    InputTranslator translator_;
    std::array<SDL_Cursor*, 7> cursors_{};
    std::optional<Cursor> currentCursor_;
    std::optional<UINT> desktopDoubleClickTime_;  // read from the desktop on first use
    bool x11_ = false;
};

}  // namespace layer::host
