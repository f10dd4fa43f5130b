// What the window code needs from the shell: raising events, reporting that a window is gone,
// and ending the program on a failure it cannot recover from. The shell installs it at start.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvane {

// Event numbers that the window and its controls raise.
constexpr int32_t kCreatedEvent = 0;
constexpr int32_t kClickedEvent = 0;
constexpr int32_t kCloseQueryEvent = 1;
constexpr int32_t kDestroyingEvent = 2;
constexpr int32_t kMovedEvent = 3;
constexpr int32_t kResizedEvent = 4;
constexpr int32_t kIdleEvent = 7;
constexpr int32_t kUnloadQueryEvent = 12;

struct Event {
    uint32_t windowNumber;
    uint32_t controlNumber;
    int32_t eventNumber;
    std::vector<int32_t> arguments;
};

struct EventOutcome {
    bool handled = false;
    int32_t result = 0;
};

struct ShellLink {
    EventOutcome (*raiseEvent)(const Event& event);
    void (*windowUnloaded)(uint32_t windowNumber);
    [[noreturn]] void (*fatalError)(const char* message, int32_t code);
};

// Installs the shell's operations; until then events reach nothing.
void InstallShellLink(const ShellLink& link);

EventOutcome RaiseShellEvent(const Event& event);
void ReportWindowUnloaded(uint32_t windowNumber);
[[noreturn]] void FailFatally(const char* message, int32_t code);

}  // namespace quorvane
