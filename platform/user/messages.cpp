// Sending, posting, retrieving and dispatching messages, and the thread's timers.
#include "platform/api/kernel32.h"
#include "platform/user/message_queue.h"
#include "platform/user/window.h"

using namespace layer::user;

LRESULT WINAPI CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    if (procedure == nullptr) {
        return 0;
    }
    return procedure(window, message, wParam, lParam);
}

LRESULT WINAPI SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    return window->procedure(handle, message, wParam, lParam);
}

BOOL WINAPI InSendMessage(void) {
    return FALSE;
}

BOOL WINAPI PostMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle != nullptr && LookupWindowOrFail(handle) == nullptr) {
        return FALSE;
    }
    MSG posted{};
    posted.hwnd = handle;
    posted.message = message;
    posted.wParam = wParam;
    posted.lParam = lParam;
    MessageQueue::Instance().Post(posted);
    return TRUE;
}

BOOL WINAPI PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    if (threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    return PostMessageA(nullptr, message, wParam, lParam);
}

void WINAPI PostQuitMessage(int exitCode) {
    MessageQueue::Instance().PostQuit(exitCode);
}

BOOL WINAPI GetMessageA(LPMSG message, HWND window, UINT first, UINT last) {
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (window != nullptr && window != reinterpret_cast<HWND>(-1) &&
        LookupWindowOrFail(window) == nullptr) {
        return -1;
    }
    MessageQueue::Instance().Retrieve(*message, window, first, last, true, true);
    return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT remove) {
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (window != nullptr && window != reinterpret_cast<HWND>(-1) &&
        LookupWindowOrFail(window) == nullptr) {
        return FALSE;
    }
    return MessageQueue::Instance().Retrieve(*message, window, first, last,
                                             (remove & PM_REMOVE) != 0, false)
               ? TRUE
               : FALSE;
}

BOOL WINAPI WaitMessage(void) {
    MSG message;
    if (!MessageQueue::Instance().Retrieve(message, nullptr, 0, 0, false, false)) {
        MessageQueue::Instance().WaitForAnything();
    }
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (message->message == WM_TIMER && message->lParam != 0) {
        auto callback = reinterpret_cast<TIMERPROC>(message->lParam);
        callback(message->hwnd, WM_TIMER, message->wParam, GetTickCount());
        return 0;
    }
    if (message->hwnd == nullptr) {
        return 0;
    }
    Window* window = LookupWindowOrFail(message->hwnd);
    if (window == nullptr) {
        return 0;
    }
    return window->procedure(message->hwnd, message->message, message->wParam, message->lParam);
}

DWORD WINAPI GetMessageTime(void) {
    return MessageQueue::Instance().LastMessageTime();
}

DWORD WINAPI GetMessagePos(void) {
    POINT point = MessageQueue::Instance().LastMessagePoint();
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    if (window != nullptr && LookupWindowOrFail(window) == nullptr) {
        return 0;
    }
    return MessageQueue::Instance().SetTimer(window, id, elapse, callback);
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    if (window != nullptr && LookupWindowOrFail(window) == nullptr) {
        return FALSE;
    }
    if (!MessageQueue::Instance().KillTimer(window, id)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
