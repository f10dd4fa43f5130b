// The SDL2 host: each visible top-level window is one borderless SDL window.
#pragma once

#include <memory>

#include "platform/host/host.h"

namespace layer::host {

// Opens the SDL video subsystem; null when no display can be opened.
std::unique_ptr<Host> CreateSdlHost();

}  // namespace layer::host
