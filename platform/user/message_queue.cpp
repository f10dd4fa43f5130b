// Retrieving messages in the documented order: posted messages, input, WM_QUIT, WM_PAINT (only
// when nothing else is pending), timers. Waiting happens in the host, never by polling.
#include "platform/user/message_queue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/api/kernel32.h"
#include "platform/host/host.h"
#include "platform/user/input_router.h"
#include "platform/user/paint_scheduler.h"
#include "platform/user/top_level_display.h"
#include "platform/user/window.h"

namespace layer::user {

namespace {

bool IsDue(DWORD due, DWORD now) {
    return static_cast<int32_t>(now - due) >= 0;
}

bool IsSelfOrDescendant(HWND window, HWND ancestor) {
    Window* current = LookupWindow(window);
    while (current != nullptr) {
        if (current->handle == ancestor) {
            return true;
        }
        current = current->parent != nullptr ? LookupWindow(current->parent) : nullptr;
    }
    return false;
}

}  // namespace

bool MatchesFilter(const MSG& message, HWND filter, UINT first, UINT last) {
    if (first != 0 || last != 0) {
        if (message.message < first || message.message > last) {
            return false;
        }
    }
    if (filter == nullptr) {
        return true;
    }
    if (filter == reinterpret_cast<HWND>(-1)) {
        return message.hwnd == nullptr;
    }
    return IsSelfOrDescendant(message.hwnd, filter);
}

MessageQueue& MessageQueue::Instance() {
    static MessageQueue queue;
    return queue;
}

void MessageQueue::Stamp(MSG& message) {
    message.time = GetTickCount();
    message.pt = InputRouter::Instance().CursorPosition();
}

void MessageQueue::Post(const MSG& message) {
    MSG stamped = message;
    Stamp(stamped);
    posted_.push_back(stamped);
}

void MessageQueue::PostInput(const MSG& message) {
    input_.push_back(message);
}

void MessageQueue::PostQuit(int exitCode) {
    quitPending_ = true;
    quitCode_ = exitCode;
}

bool MessageQueue::TakeFrom(std::deque<MSG>& list, MSG& out, HWND filter, UINT first, UINT last,
                            bool remove) {
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (MatchesFilter(*it, filter, first, last)) {
            out = *it;
            if (remove) {
                list.erase(it);
            }
            return true;
        }
    }
    return false;
}

bool MessageQueue::TakeTimer(MSG& out, HWND filter, UINT first, UINT last, bool remove) {
    DWORD now = GetTickCount();
    for (Timer& timer : timers_) {
        if (!IsDue(timer.due, now)) {
            continue;
        }
        MSG message{};
        message.hwnd = timer.window;
        message.message = WM_TIMER;
        message.wParam = timer.id;
        message.lParam = reinterpret_cast<LPARAM>(timer.callback);
        if (!MatchesFilter(message, filter, first, last)) {
            continue;
        }
        Stamp(message);
        out = message;
        if (remove) {
            // A timer's messages do not pile up: the next one is due a full period from now.
            timer.due = now + timer.elapse;
        }
        return true;
    }
    return false;
}

std::optional<DWORD> MessageQueue::NextTimerDeadline() const {
    std::optional<DWORD> next;
    DWORD now = GetTickCount();
    for (const Timer& timer : timers_) {
        if (!next || static_cast<int32_t>(timer.due - now) < static_cast<int32_t>(*next - now)) {
            next = timer.due;
        }
    }
    return next;
}

void MessageQueue::PollHost() {
    if (host::Host* host = host::Current()) {
        host->PollInput(InputRouter::Instance());
    }
}

bool MessageQueue::Retrieve(MSG& out, HWND filter, UINT first, UINT last, bool remove, bool wait) {
    for (;;) {
        PollHost();
        bool found = TakeFrom(posted_, out, filter, first, last, remove);
        bool fromInput = false;
        if (!found) {
            found = fromInput = TakeFrom(input_, out, filter, first, last, remove);
        }
        if (!found && quitPending_) {
            MSG quit{};
            quit.message = WM_QUIT;
            quit.wParam = static_cast<WPARAM>(quitCode_);
            if (MatchesFilter(quit, filter == reinterpret_cast<HWND>(-1) ? nullptr : filter, first,
                              last) &&
                (filter == nullptr || filter == reinterpret_cast<HWND>(-1))) {
                Stamp(quit);
                out = quit;
                if (remove) {
                    quitPending_ = false;
                }
                found = true;
            }
        }
        if (!found) {
            if (HWND paint = FindWindowNeedingPaint(filter)) {
                MSG message{};
                message.hwnd = paint;
                message.message = WM_PAINT;
                if (MatchesFilter(message, filter, first, last)) {
                    Stamp(message);
                    out = message;
                    found = true;
                }
            }
        }
        if (!found) {
            found = TakeTimer(out, filter, first, last, remove);
        }
        if (found) {
            if (remove) {
                lastTime_ = out.time;
                lastPoint_ = out.pt;
                if (fromInput) {
                    InputRouter::Instance().Retrieved(out);
                }
            }
            return true;
        }
        if (!wait) {
            TopLevelDisplay::Instance().PresentDamage();
            return false;
        }
        WaitForAnything();
    }
}

void MessageQueue::WaitForAnything() {
    TopLevelDisplay::Instance().PresentDamage();
    std::optional<DWORD> deadline = NextTimerDeadline();
    host::Host* host = host::Current();
    if (host == nullptr) {
        if (!deadline) {
            std::fprintf(stderr,
                         "message queue: GetMessageA would wait forever: there is no host to "
                         "deliver input and no timer is running\n");
            std::abort();
        }
        DWORD now = GetTickCount();
        if (!IsDue(*deadline, now)) {
            Sleep(*deadline - now);
        }
        return;
    }
    host->WaitForInput(InputRouter::Instance(), deadline);
}

UINT_PTR MessageQueue::SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    // Periods are kept between the documented minimum and maximum.
    elapse = std::clamp<UINT>(elapse, 10u, 0x7FFFFFFFu);
    if (window == nullptr) {
        // Thread timers get a fresh identifier unless an existing one is being reset.
        auto existing = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& timer) {
            return timer.window == nullptr && timer.id == id && id != 0;
        });
        if (existing == timers_.end()) {
            id = nextTimerId_++;
        }
    }
    DWORD due = GetTickCount() + elapse;
    for (Timer& timer : timers_) {
        if (timer.window == window && timer.id == id) {
            timer.elapse = elapse;
            timer.due = due;
            timer.callback = callback;
            return window == nullptr ? id : 1;
        }
    }
    timers_.push_back(Timer{window, id, elapse, due, callback});
    return window == nullptr ? id : (id != 0 ? id : 1);
}

bool MessageQueue::KillTimer(HWND window, UINT_PTR id) {
    size_t removed = std::erase_if(
        timers_, [&](const Timer& timer) { return timer.window == window && timer.id == id; });
    // A WM_TIMER that was already retrieved cannot be recalled; none are kept queued.
    return removed > 0;
}

void MessageQueue::ForgetWindow(HWND window) {
    auto ofWindow = [&](const MSG& message) { return message.hwnd == window; };
    std::erase_if(posted_, ofWindow);
    // Input for a window that goes away is dropped, but the keys and buttons it reports still
    // moved, so the thread's key state follows it as if it had been taken.
    for (const MSG& message : input_) {
        if (ofWindow(message)) {
            InputRouter::Instance().Retrieved(message);
        }
    }
    std::erase_if(input_, ofWindow);
    std::erase_if(timers_, [&](const Timer& timer) { return timer.window == window; });
}

}  // namespace layer::user
