// Device contexts: where a drawing call lands (a surface), where logical (0, 0) lies on it, what
// it may touch (the clip), and the drawing state (objects, colours, modes) that the DC carries.
//
// Window DCs are made by the window manager (GetDC, BeginPaint, ...) with the window's surface,
// origin and visible region; memory DCs draw into the bitmap selected into them.
#pragma once

#include <memory>
#include <vector>

#include "platform/api/types.h"
#include "platform/api/gdi32.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace layer::gdi {

// The state that SaveDC saves and RestoreDC brings back.
struct DrawingState {
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;  // memory DCs only
    COLORREF textColor = 0x000000;
    COLORREF backgroundColor = 0xFFFFFF;
    int backgroundMode = 2;  // OPAQUE
    UINT textAlign = 0;      // TA_LEFT | TA_TOP | TA_NOUPDATECP
    int rop2 = 13;           // R2_COPYPEN
    POINT currentPosition{0, 0};
    POINT brushOrigin{0, 0};
    // The application's clip region in device units relative to the DC origin; none means the
    // whole visible area.
    bool hasClipRegion = false;
    Region clipRegion;
};

class DeviceContext {
  public:
    enum class Kind { Window, Memory };

    DeviceContext(Kind kind, HWND window);

    Kind GetKind() const { return kind_; }
    HWND Window() const { return window_; }

    // The surface drawing lands on: the top-level window's surface for window DCs, the selected
    // bitmap's surface for memory DCs.
    Surface* Target() const { return target_; }
    // Where logical (0, 0) lies on the target surface.
    POINT Origin() const { return origin_; }
    // The pixels a window DC may touch, in surface coordinates (the window manager computes it
    // from the window tree and, while painting, the update region).
    const Region& VisibleRegion() const { return visible_; }

    // Everything drawing may touch, in surface coordinates: the visible region (or the whole
    // target for memory DCs), intersected with the application's clip region moved by the
    // origin, intersected with the target's bounds.
    const Region& EffectiveClip() const;

    DrawingState& State() { return state_; }
    const DrawingState& State() const { return state_; }

    void SetTarget(Surface* target);
    void SetOrigin(POINT origin);
    void SetVisibleRegion(Region visible);
    void InvalidateClip() { clipValid_ = false; }

    // SaveDC / RestoreDC. Save returns the new level (1 for the first); Restore takes a level or,
    // when negative, a count back from the most recent one, and refuses levels that do not exist.
    int Save();
    bool Restore(int level);
    const std::vector<DrawingState>& SavedStates() const { return saved_; }

  private:
    Kind kind_;
    HWND window_;
    Surface* target_ = nullptr;
    POINT origin_{0, 0};
    Region visible_;
    DrawingState state_;
    std::vector<DrawingState> saved_;
    mutable bool clipValid_ = false;
    mutable int clipTargetWidth_ = 0;
    mutable int clipTargetHeight_ = 0;
    mutable Region clip_;
};

// The live DC behind a handle, or null when the handle is not a live DC.
DeviceContext* LookupDC(HDC dc);

// For the window manager: a DC that draws into a window's part of a top-level surface. The
// window manager keeps the surface alive while the DC exists and destroys the DC with
// DestroyWindowDC (from ReleaseDC / EndPaint).
HDC CreateWindowDC(HWND window, Surface* surface, POINT origin, Region visible);
void DestroyWindowDC(HDC dc);

// The LOGFONTA a font handle was made from (stock fonts included), or null when the handle is
// not a live font.
const LOGFONTA* FontLogFont(HFONT font);

}  // namespace layer::gdi
