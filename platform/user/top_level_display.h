// What the host shows of each top-level window: its place, title and visibility, the stacking
// order, and the damage painted into its surface but not yet presented.
#pragma once

#include <map>

#include "platform/api/user32.h"
#include "platform/gdi/region.h"
#include "platform/host/host.h"

namespace layer::user {

struct Window;

class TopLevelDisplay {
  public:
    static TopLevelDisplay& Instance();

    // Tells the host the window's rectangle, visibility and title (on create, show, hide, move,
    // retitle); resizes its surface to the outer size.
    void Update(Window& window);
    void Destroy(Window& window);
    // Tells the host the order of visible top-level windows when it changed.
    void UpdateZOrder();
    // Records pixels painted into a top-level surface (surface coordinates).
    void AddDamage(HWND topLevel, const RECT& rect);
    // Presents all recorded damage.
    void PresentDamage();

  private:
    std::map<HWND, gdi::Region> damage_;
    std::vector<HWND> lastOrder_;
    uint64_t lastOrderGeneration_ = 0;  // the host installation that was told lastOrder_
};

}  // namespace layer::user
