// The application shell: start-up, the window registry, event dispatch, loading the startup
// window, the message loop, shutdown and the fatal error box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "window/form.h"
#include "window/main_window.h"
#include "window/shell_link.h"

namespace quorvane {

using ExitHook = void (*)();

struct RegistryEntry {
    const Form* form;
    bool loaded;
};

// The shell's state, one per process, from StartShell to the end of the process.
struct ShellState {
    DWORD guiThread = 0;
    std::vector<RegistryEntry> registry;
    bool loopStarted = false;
    uint32_t eventSuppression = 0;
    std::vector<ExitHook> exitHooks;
    bool shuttingDown = false;
    WindowIcons icons;
};

const ShellState& CurrentShellState();
// The same state for the shell's own operations, which change it.
ShellState& MutableShellState();

// Records the GUI thread, loads the form into the registry and makes RaiseEvent available to the
// window code. A second call starts over with a fresh state.
void StartShell();

// Appends the hook unless it is registered already.
void RegisterExitHook(ExitHook hook);

// Builds and shows the window of this form number; returns only when it succeeded.
void LoadStartupWindow(uint32_t windowNumber);

// Runs the handler that the form binds to the event, unless events are suppressed.
EventOutcome RaiseEvent(const Event& event);

// Runs the message loop until the quit message; returns at once when no window is loaded.
void RunMessageLoop();

// Suppresses events, drops the forms, runs every exit hook once and releases the icons.
void Shutdown(int32_t code);

// Shows the fatal error box and ends the process with exit code -1, without the exit hooks.
[[noreturn]] void FatalError(const std::string& message, int32_t code);

// Dispatches every waiting message up to, not including, a quit message, pre-translating each.
void DispatchWaitingMessages();

}  // namespace quorvane
