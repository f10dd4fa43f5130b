// Per-thread state of kernel32: the last error and the thread's identity.
#include <atomic>

#include "platform/api/kernel32.h"

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

DWORD NewThreadId() {
    // Thread identities are small positive numbers, issued in the order threads first ask.
    static std::atomic<DWORD> next{0x100};
    return next.fetch_add(4);
}

}  // namespace

DWORD WINAPI GetLastError(void) {
    return lastError;
}

void WINAPI SetLastError(DWORD error) {
    lastError = error;
}

DWORD WINAPI GetCurrentThreadId(void) {
    thread_local DWORD id = NewThreadId();
    return id;
}
