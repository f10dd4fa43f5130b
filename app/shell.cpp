// The shell's state, start-up, the window registry and event dispatch, loading the startup window
// and shutdown.
#include "app/shell.h"

#include <algorithm>
#include <cstdlib>

#include "app/event_bindings.h"
#include "app/fatal_error_text.h"
#include "app/keys.h"

namespace quorvane {
namespace {

ShellState& State() {
    static ShellState state;
    return state;
}

RegistryEntry* FindRegistryEntry(uint32_t windowNumber) {
    for (RegistryEntry& entry : State().registry) {
        if (entry.form->windowNumber == windowNumber) {
            return &entry;
        }
    }
    return nullptr;
}

// Every kind of control in the form can raise events.
bool KindRaisesEvents(ControlKind kind) {
    switch (kind) {
        case ControlKind::Window:
        case ControlKind::Button:
        case ControlKind::GroupBox:
        case ControlKind::Label:
        case ControlKind::EditBox:
        case ControlKind::TransparentLabel:
            return true;
    }
    return false;
}

EventOutcome RaiseEventFromWindow(const Event& event) {
    return RaiseEvent(event);
}

void MarkWindowUnloaded(uint32_t windowNumber) {
    if (RegistryEntry* entry = FindRegistryEntry(windowNumber)) {
        entry->loaded = false;
    }
    const bool anyLoaded = std::any_of(State().registry.begin(), State().registry.end(),
                                       [](const RegistryEntry& entry) { return entry.loaded; });
    if (!anyLoaded && State().loopStarted) {
        ::PostQuitMessage(0);
    }
}

[[noreturn]] void FatalErrorFromWindow(const char* message, int32_t code) {
    FatalError(message, code);
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

bool WindowStillExists(HWND window) {
    return ::IsWindow(window) != FALSE;
}

}  // namespace

const ShellState& CurrentShellState() {
    return State();
}

ShellState& MutableShellState() {
    return State();
}

void StartShell() {
    ShellState& state = State();
    state = ShellState{};
    state.guiThread = ::GetCurrentThreadId();
    state.registry.push_back({&MainWindowForm(), false});
    InstallShellLink({&RaiseEventFromWindow, &MarkWindowUnloaded, &FatalErrorFromWindow});
}

void RegisterExitHook(ExitHook hook) {
    auto& hooks = State().exitHooks;
    if (hook != nullptr && std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) {
        hooks.push_back(hook);
    }
}

void DispatchWaitingMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            break;
        }
        if (message.message == WM_QUIT) {
            // Left for the message loop, which ends on it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!PreTranslateKeys(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

void LoadStartupWindow(uint32_t windowNumber) {
    ShellState& state = State();
    RegistryEntry* entry = FindRegistryEntry(windowNumber);
    if (entry == nullptr) {
        FatalError("载入启动窗口失败", 0);
    }
    DispatchWaitingMessages();
    ++state.eventSuppression;

    if (state.icons.big == nullptr) {
        state.icons.big = LoadProgramIcon(32);
    }
    if (state.icons.small == nullptr) {
        state.icons.small = LoadProgramIcon(16);
    }
    MainWindow* window = MainWindow::Build(*entry->form, ::GetModuleHandleA(nullptr), state.icons);
    if (window == nullptr) {
        FatalError("载入启动窗口失败", 0);
    }
    entry->loaded = true;
    HWND handle = window->Handle();
    const bool visible = entry->form->entries[0].visible;
    const uint32_t windowEntry = entry->form->entries[0].formNumber;

    DispatchWaitingMessages();
    --state.eventSuppression;

    RaiseEvent({windowNumber, windowEntry, kCreatedEvent, {}});
    if (WindowStillExists(handle)) {
        RaiseEvent({windowNumber, windowEntry, kMovedEvent, {}});
    }
    if (WindowStillExists(handle)) {
        RaiseEvent({windowNumber, windowEntry, kResizedEvent, {}});
    }
    if (WindowStillExists(handle) && visible) {
        ::ShowWindow(handle, SW_SHOW);
    }
}

EventOutcome RaiseEvent(const Event& event) {
    if (State().eventSuppression > 0) {
        return {};
    }
    RegistryEntry* entry = FindRegistryEntry(event.windowNumber);
    if (entry == nullptr) {
        FatalError("未找到引发事件的窗口", 0);
    }
    const FormEntry* control = FindFormEntry(*entry->form, event.controlNumber);
    if (control == nullptr) {
        FatalError("未找到引发事件的窗口组件", 0);
    }
    if (!KindRaisesEvents(control->kind)) {
        FatalError("引发事件的窗口组件无效", 0);
    }
    const EventHandler handler =
        FindEventHandler(event.windowNumber, event.controlNumber, event.eventNumber);
    if (handler == nullptr) {
        return {};
    }
    handler();
    return {true, 1};
}

void Shutdown(int32_t) {
    ShellState& state = State();
    ++state.eventSuppression;
    state.shuttingDown = true;
    state.registry.clear();
    const std::vector<ExitHook> hooks = std::move(state.exitHooks);
    state.exitHooks.clear();
    for (ExitHook hook : hooks) {
        hook();
    }
    for (HICON* icon : {&state.icons.big, &state.icons.small}) {
        if (*icon != nullptr) {
            ::DestroyIcon(*icon);
            *icon = nullptr;
        }
    }
}

void FatalError(const std::string& message, int32_t code) {
    // Never lowered again: while the box is open and after it, no handler runs.
    ++State().eventSuppression;
    ::MessageBoxA(nullptr, FatalErrorText(message, code).c_str(), "错误", MB_OK | MB_ICONERROR);
    State().exitHooks.clear();
    Shutdown(-1);
    ::ExitProcess(static_cast<UINT>(-1));
    // ExitProcess does not return; this keeps the promise of [[noreturn]] if it ever did.
    std::abort();
}

}  // namespace quorvane
