// Choosing and holding the host.
#include "platform/host/host.h"

#include <cstdio>

#include "platform/host/sdl/sdl_host.h"

namespace layer::host {

namespace {

struct Installed {
    std::unique_ptr<Host> host;
    bool triedDefault = false;
    uint64_t generation = 0;
};

Installed& State() {
    static Installed installed;
    return installed;
}

}  // namespace

Host* Current() {
    Installed& state = State();
    if (state.host == nullptr && !state.triedDefault) {
        state.triedDefault = true;
        state.host = CreateSdlHost();
        ++state.generation;
        if (state.host == nullptr) {
            std::fprintf(stderr,
                         "No display could be opened (is DISPLAY or WAYLAND_DISPLAY set?); "
                         "windows cannot be created.\n");
        }
    }
    return state.host.get();
}

void Install(std::unique_ptr<Host> host) {
    Installed& state = State();
    state.host = std::move(host);
    state.triedDefault = state.host != nullptr;
    ++state.generation;
}

uint64_t Generation() {
    return State().generation;
}

}  // namespace layer::host
