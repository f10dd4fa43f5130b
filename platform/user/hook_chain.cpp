// WH_CBT hooks on the calling thread: SetWindowsHookExA, UnhookWindowsHookEx, CallNextHookEx.
// A hook removed while the chain runs stays in the list, marked dead, until no call is walking it.
#include "platform/user/hook_chain.h"

#include <algorithm>
#include <vector>

#include "platform/api/kernel32.h"

namespace layer::user {

namespace {

struct Hook {
    HHOOK handle = nullptr;
    HOOKPROC procedure = nullptr;
    bool removed = false;
};

struct HookChain {
    std::vector<Hook> hooks;  // newest first
    int activeCalls = 0;
    // The hooks being called, innermost last: CallNextHookEx continues after the innermost one,
    // whatever handle it is given, as the system's does.
    std::vector<HHOOK> running;
    uintptr_t nextHandle = 0x20010;
};

HookChain& Chain() {
    static HookChain chain;
    return chain;
}

void SweepRemoved() {
    HookChain& chain = Chain();
    if (chain.activeCalls == 0) {
        std::erase_if(chain.hooks, [](const Hook& hook) { return hook.removed; });
    }
}

// Calls the first live hook at or after position start; zero when the chain ends there.
LRESULT CallFrom(size_t start, int code, WPARAM wParam, LPARAM lParam) {
    HookChain& chain = Chain();
    for (size_t index = start; index < chain.hooks.size(); ++index) {
        if (chain.hooks[index].removed) {
            continue;
        }
        HOOKPROC procedure = chain.hooks[index].procedure;
        ++chain.activeCalls;
        chain.running.push_back(chain.hooks[index].handle);
        LRESULT result = procedure(code, wParam, lParam);
        chain.running.pop_back();
        --chain.activeCalls;
        SweepRemoved();
        return result;
    }
    return 0;
}

}  // namespace

LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    return CallFrom(0, code, wParam, lParam);
}

}  // namespace layer::user

using namespace layer::user;

HHOOK WINAPI SetWindowsHookExA(int type, HOOKPROC procedure, HINSTANCE, DWORD threadId) {
    if (type != WH_CBT) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    if (procedure == nullptr) {
        SetLastError(ERROR_INVALID_FILTER_PROC);
        return nullptr;
    }
    if (threadId != 0 && threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return nullptr;
    }
    HookChain& chain = Chain();
    Hook hook;
    hook.handle = reinterpret_cast<HHOOK>(chain.nextHandle);
    chain.nextHandle += 2;
    hook.procedure = procedure;
    chain.hooks.insert(chain.hooks.begin(), hook);
    return hook.handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK handle) {
    HookChain& chain = Chain();
    auto found = std::find_if(chain.hooks.begin(), chain.hooks.end(), [&](const Hook& hook) {
        return hook.handle == handle && !hook.removed;
    });
    if (found == chain.hooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    found->removed = true;
    SweepRemoved();
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK handle, int code, WPARAM wParam, LPARAM lParam) {
    HookChain& chain = Chain();
    if (!chain.running.empty()) {
        handle = chain.running.back();
    }
    for (size_t index = 0; index < chain.hooks.size(); ++index) {
        if (chain.hooks[index].handle == handle) {
            return CallFrom(index + 1, code, wParam, lParam);
        }
    }
    return 0;
}
