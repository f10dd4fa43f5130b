// The shell's message loop with its idle phase.
#include <cstdint>
#include <vector>

#include "app/keys.h"
#include "app/shell.h"

namespace quorvane {
namespace {

constexpr UINT kSystemTimerMessage = 0x0118;
constexpr uint32_t kFirstIdleEventStep = 2;

// Whether a new idle period begins after this message: not after paints, the system timer, or a
// mouse move that repeats the previous one.
class IdlePeriodTracker {
  public:
    bool StartsNewPeriod(const MSG& message) {
        const bool isMouseMove =
            message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE;
        const bool repeatsMove = isMouseMove && havePrevious_ &&
                                 previous_.message == message.message &&
                                 previous_.pt.x == message.pt.x && previous_.pt.y == message.pt.y;
        if (isMouseMove) {
            previous_ = message;
            havePrevious_ = true;
        }
        return message.message != WM_PAINT && message.message != kSystemTimerMessage &&
               !repeatsMove;
    }

  private:
    MSG previous_{};
    bool havePrevious_ = false;
};

bool QueueIsEmpty() {
    MSG message;
    return !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
}

// Runs idle steps while the queue is empty. Steps 0 and 1 only tidy up; from step 2 on each loaded
// window that asks for more receives the idle event, until none does. Returns false when the
// queue was not empty, so that the period still waits for an empty queue.
bool RunIdlePhase() {
    if (!QueueIsEmpty()) {
        return false;
    }
    const DWORD start = ::GetTickCount();
    std::vector<uint32_t> goingOn;
    for (const RegistryEntry& entry : CurrentShellState().registry) {
        if (entry.loaded) {
            goingOn.push_back(entry.form->windowNumber);
        }
    }
    for (uint32_t step = 0; QueueIsEmpty(); ++step) {
        if (step < kFirstIdleEventStep) {
            continue;
        }
        std::vector<uint32_t> stillGoingOn;
        const int32_t elapsed = static_cast<int32_t>(::GetTickCount() - start);
        for (uint32_t windowNumber : goingOn) {
            const MainWindow* window = MainWindow::Find(windowNumber);
            if (window == nullptr) {
                continue;
            }
            const EventOutcome outcome = RaiseEvent(
                {windowNumber, window->GetForm().entries[0].formNumber, kIdleEvent, {elapsed}});
            if (outcome.handled && outcome.result != 0) {
                stillGoingOn.push_back(windowNumber);
            }
        }
        goingOn = std::move(stillGoingOn);
        if (goingOn.empty()) {
            break;
        }
    }
    return true;
}

}  // namespace

void RunMessageLoop() {
    MutableShellState().loopStarted = true;
    if (MainWindow::LoadedCount() == 0) {
        return;
    }
    IdlePeriodTracker idle;
    bool idlePeriodPending = true;
    MSG message;
    for (;;) {
        if (idlePeriodPending) {
            idlePeriodPending = !RunIdlePhase();
        }
        const BOOL result = ::GetMessageA(&message, nullptr, 0, 0);
        if (result == 0 || result == -1) {
            return;
        }
        if (!PreTranslateKeys(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (idle.StartsNewPeriod(message)) {
            idlePeriodPending = true;
        }
    }
}

}  // namespace quorvane
