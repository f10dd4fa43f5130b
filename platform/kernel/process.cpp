// Process-wide kernel32 functions: the tick count, sleeping, the module handle and process exit.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/api/kernel32.h"
#include "platform/host/host.h"

namespace {

// The one module of the process; its value only has to be stable and not null.
HINSTANCE__ moduleHandle{};

}  // namespace

DWORD WINAPI GetTickCount(void) {
    if (layer::host::Host* host = layer::host::Current()) {
        return host->TickCount();
    }
    // Without a host, a monotonic clock in milliseconds, truncated to 32 bits so it wraps as
    // the system's does.
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

DWORD WINAPI GetCurrentProcessId(void) {
    return static_cast<DWORD>(getpid());
}

void WINAPI Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName != nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    return &moduleHandle;
}

void WINAPI ExitProcess(UINT exitCode) {
    std::fflush(nullptr);
    std::exit(static_cast<int>(exitCode));
}
