// The window manager's record of one window and the table that turns handles into records.
// Handles are never reused while the process runs, so a stale handle finds nothing.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/api/user32.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace layer::user {

struct WindowClass;

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    DWORD style = 0;
    DWORD exStyle = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    std::vector<BYTE> extraBytes;
    std::string text;
    std::map<std::string, HANDLE> properties;

    HWND parent = nullptr;        // null for top-level windows
    HWND owner = nullptr;         // top-level windows only
    std::vector<HWND> children;   // topmost first
    RECT windowRect{0, 0, 0, 0};  // in the parent's client coordinates (screen for top-level)
    RECT clientRect{0, 0, 0, 0};  // relative to the window rectangle's top-left corner
    DWORD threadId = 0;

    // Painting state.
    gdi::Region updateRegion;    // client coordinates
    bool erasePending = false;   // WM_ERASEBKGND is due at the next BeginPaint
    bool framePending = false;   // WM_NCPAINT is due
    bool internalPaint = false;  // RDW_INTERNALPAINT: a WM_PAINT without an update region
    bool painting = false;       // between BeginPaint and EndPaint

    // Each top-level window draws itself and its descendants into one surface of its outer size.
    std::unique_ptr<gdi::Surface> surface;

    bool created = false;      // WM_NCCREATE has been answered
    bool destroying = false;   // DestroyWindow has begun
    bool hostKnowsIt = false;  // the host has a top-level entry for it
    bool captionActive = false;
    // Top-level windows get their first WM_SIZE and WM_MOVE from the first change of position
    // or visibility, not at creation.
    bool sizeAndMoveSent = false;  // the caption shows the active colours (WM_NCACTIVATE)
};

class WindowTable {
  public:
    static WindowTable& Instance();

    // A new record with a handle that has never been issued before.
    Window& Add();
    // The live record behind a handle, or null. Made-up and stale handles find nothing.
    Window* Find(HWND handle) const;
    void Remove(HWND handle);
    size_t Count() const { return windows_.size(); }
    // Top-level windows, topmost first.
    std::vector<HWND>& TopLevelOrder() { return topLevel_; }
    std::vector<HWND> All() const;

  private:
    std::map<uintptr_t, std::unique_ptr<Window>> windows_;
    std::vector<HWND> topLevel_;
    uintptr_t nextHandle_ = 0x10020;
};

// The record behind a handle, or null after SetLastError(ERROR_INVALID_WINDOW_HANDLE).
Window* LookupWindowOrFail(HWND handle);
inline Window* LookupWindow(HWND handle) {
    return WindowTable::Instance().Find(handle);
}

// The siblings list a window is in: its parent's children or the top-level order.
std::vector<HWND>& SiblingList(const Window& window);
// The top-level window at the root of a window's parent chain.
Window* RootOf(HWND handle);
// The outer rectangle in screen coordinates.
RECT ScreenWindowRect(const Window& window);
// The client area's top-left corner in screen coordinates.
POINT ScreenClientOrigin(const Window& window);
// Where the window's top-left corner lies on its top-level window's surface.
POINT SurfaceOffset(const Window& window);
// True when the window and all its ancestors are visible.
bool IsReallyVisible(const Window& window);
// Places a top-level window in the stacking order. Topmost windows (WS_EX_TOPMOST) always stay
// above the others: HWND_TOPMOST and HWND_NOTOPMOST move a window into or out of that band,
// HWND_TOP puts it at the top of its own band.
void PlaceTopLevel(Window& window, HWND insertAfter);
// Sends a window's first WM_SIZE and WM_MOVE, once.
void SendInitialSizeAndMove(HWND handle);

}  // namespace layer::user
