// The SDL2 host. (Being written: until then no display is ever opened.)
#include "platform/host/sdl/sdl_host.h"

namespace layer::host {

std::unique_ptr<Host> CreateSdlHost() { return nullptr; }

}  // namespace layer::host
