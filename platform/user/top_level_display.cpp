// Keeping the host in step with the top-level windows.
#include "platform/user/top_level_display.h"

#include <algorithm>

#include "platform/gdi/text/code_page.h"
#include "platform/host/host.h"
#include "platform/user/window.h"

namespace layer::user {

TopLevelDisplay& TopLevelDisplay::Instance() {
    static TopLevelDisplay display;
    return display;
}

void TopLevelDisplay::Update(Window& window) {
    if (window.parent != nullptr) {
        return;
    }
    int width = window.windowRect.right - window.windowRect.left;
    int height = window.windowRect.bottom - window.windowRect.top;
    if (window.surface == nullptr) {
        window.surface = std::make_unique<gdi::Surface>(width, height);
    } else if (window.surface->Width() != std::max(width, 1) ||
               window.surface->Height() != std::max(height, 1)) {
        // The host keeps a pointer to the surface, so it is resized in place, never replaced.
        window.surface->Resize(width, height);
    }
    host::Host* host = host::Current();
    if (host == nullptr) {
        return;
    }
    host::TopLevelInfo info;
    info.screenRect = window.windowRect;
    info.visible = (window.style & WS_VISIBLE) != 0;
    info.taskbar = window.owner == nullptr && (window.exStyle & WS_EX_TOOLWINDOW) == 0;
    info.titleUtf8 = text::Utf8FromAnsi(window.text);
    host->UpdateTopLevel(window.handle, info);
    window.hostKnowsIt = true;
    UpdateZOrder();
}

void TopLevelDisplay::Destroy(Window& window) {
    damage_.erase(window.handle);
    if (window.hostKnowsIt) {
        if (host::Host* host = host::Current()) {
            host->DestroyTopLevel(window.handle);
        }
        window.hostKnowsIt = false;
    }
    UpdateZOrder();
}

void TopLevelDisplay::UpdateZOrder() {
    std::vector<HWND> order;
    for (HWND handle : WindowTable::Instance().TopLevelOrder()) {
        Window* window = LookupWindow(handle);
        if (window != nullptr && (window->style & WS_VISIBLE) != 0 && window->hostKnowsIt) {
            order.push_back(handle);
        }
    }
    // A host installed since the last change has not been told the order yet.
    host::Host* host = host::Current();
    if (order == lastOrder_ && host::Generation() == lastOrderGeneration_) {
        return;
    }
    lastOrder_ = order;
    lastOrderGeneration_ = host::Generation();
    if (host != nullptr) {
        host->SetZOrder(order);
    }
}

void TopLevelDisplay::AddDamage(HWND topLevel, const RECT& rect) {
    if (!gdi::IsRectEmpty(rect)) {
        damage_[topLevel].Union(rect);
    }
}

void TopLevelDisplay::PresentDamage() {
    if (damage_.empty()) {
        return;
    }
    std::map<HWND, gdi::Region> pending;
    pending.swap(damage_);
    host::Host* host = host::Current();
    if (host == nullptr) {
        return;
    }
    for (auto& [handle, region] : pending) {
        Window* window = LookupWindow(handle);
        if (window == nullptr || window->surface == nullptr || !window->hostKnowsIt) {
            continue;
        }
        host->Present(handle, *window->surface, region.Bounds());
    }
}

}  // namespace layer::user
