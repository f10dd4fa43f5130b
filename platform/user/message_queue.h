// The GUI thread's message queue: posted messages, input, the quit request, paint and timers,
// retrieved in the order the system documents.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/api/user32.h"

namespace layer::user {

class MessageQueue {
  public:
    static MessageQueue& Instance();

    void Post(const MSG& message);
    void PostInput(const MSG& message);
    void PostQuit(int exitCode);

    // Finds the next message that matches; with remove set it takes it from the queue. With
    // wait set it blocks in the host until one arrives. False when nothing matched (no wait).
    bool Retrieve(MSG& out, HWND filter, UINT first, UINT last, bool remove, bool wait);
    // Blocks until anything arrives in the queue.
    void WaitForAnything();

    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback);
    bool KillTimer(HWND window, UINT_PTR id);

    // Drops every message and timer of a window that is being destroyed.
    void ForgetWindow(HWND window);

    DWORD LastMessageTime() const { return lastTime_; }
    POINT LastMessagePoint() const { return lastPoint_; }

  private:
    struct Timer {
        HWND window = nullptr;
        UINT_PTR id = 0;
        UINT elapse = 0;
        DWORD due = 0;
        TIMERPROC callback = nullptr;
    };

    bool TakeFrom(std::deque<MSG>& list, MSG& out, HWND filter, UINT first, UINT last, bool remove);
    bool TakeTimer(MSG& out, HWND filter, UINT first, UINT last, bool remove);
    std::optional<DWORD> NextTimerDeadline() const;
    void PollHost();
    void Stamp(MSG& message);

    std::deque<MSG> posted_;
    std::deque<MSG> input_;
    bool quitPending_ = false;
    int quitCode_ = 0;
    std::vector<Timer> timers_;
    UINT_PTR nextTimerId_ = 1;
    DWORD lastTime_ = 0;
    POINT lastPoint_{0, 0};
};

// True when the message passes a retrieval filter (window and range).
bool MatchesFilter(const MSG& message, HWND filter, UINT first, UINT last);

}  // namespace layer::user
