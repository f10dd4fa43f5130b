// The link from the window code to the shell's operations.
#include "window/shell_link.h"

#include <cstdio>
#include <cstdlib>

namespace quorvane {
namespace {

ShellLink installedLink{};

}  // namespace

void InstallShellLink(const ShellLink& link) {
    installedLink = link;
}

EventOutcome RaiseShellEvent(const Event& event) {
    if (installedLink.raiseEvent == nullptr) {
        return {};
    }
    return installedLink.raiseEvent(event);
}

void ReportWindowUnloaded(uint32_t windowNumber) {
    if (installedLink.windowUnloaded != nullptr) {
        installedLink.windowUnloaded(windowNumber);
    }
}

void FailFatally(const char* message, int32_t code) {
    if (installedLink.fatalError != nullptr) {
        installedLink.fatalError(message, code);
    }
    std::fprintf(stderr, "quorvane: fatal error without a shell: %s (%d)\n", message,
                 static_cast<int>(code));
    std::abort();
}

}  // namespace quorvane
