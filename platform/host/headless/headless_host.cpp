// HeadlessHost: records what the layer shows, composes the screen on demand, and hands out input
// and time only when the test provides them.
#include "platform/host/headless/headless_host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/api/user32.h"

namespace layer::host {

namespace {

HeadlessHost* installedHeadless = nullptr;

// The deadline has come when the clock has reached it; the difference is read as signed so that
// a deadline just after the clock wraps at 2^32 still lies ahead.
bool DeadlineReached(DWORD now, DWORD deadline) {
    return static_cast<int32_t>(now - deadline) >= 0;
}

SIZE AtLeastOnePixel(SIZE size) {
    return SIZE{std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)};
}

// Copies the part of source inside sourceRect to target at targetLeft/targetTop, clipped to both.
// The arithmetic is 64-bit so that windows placed far off the screen cannot overflow it.
void CopyPixels(const gdi::Surface& source, const RECT& sourceRect, gdi::Surface& target,
                int64_t targetLeft, int64_t targetTop) {
    const int64_t sourceLeft = std::max<int64_t>(sourceRect.left, 0);
    const int64_t sourceTop = std::max<int64_t>(sourceRect.top, 0);
    const int64_t sourceRight = std::min<int64_t>(sourceRect.right, source.Width());
    const int64_t sourceBottom = std::min<int64_t>(sourceRect.bottom, source.Height());
    const int64_t left = std::max<int64_t>(targetLeft + sourceLeft, 0);
    const int64_t top = std::max<int64_t>(targetTop + sourceTop, 0);
    const int64_t right = std::min<int64_t>(targetLeft + sourceRight, target.Width());
    const int64_t bottom = std::min<int64_t>(targetTop + sourceBottom, target.Height());
    if (left >= right || top >= bottom) {
        return;
    }
    const size_t width = static_cast<size_t>(right - left);
    for (int64_t y = top; y < bottom; ++y) {
        const uint32_t* from =
            source.Pixels() + (y - targetTop) * source.Width() + (left - targetLeft);
        std::memcpy(target.Row(static_cast<int>(y)) + left, from, width * 4);
    }
}

}  // namespace

HeadlessHost::HeadlessHost(SIZE screenSize) : screenSize_(AtLeastOnePixel(screenSize)) {}

HeadlessHost::~HeadlessHost() {
    if (installedHeadless == this) {
        installedHeadless = nullptr;
    }
}

HeadlessHost& HeadlessHost::Install(SIZE screenSize) {
    auto fresh = std::make_unique<HeadlessHost>(screenSize);
    HeadlessHost& host = *fresh;
    host::Install(std::move(fresh));
    installedHeadless = &host;
    return host;
}

HeadlessHost* HeadlessHost::Installed() {
    return installedHeadless;
}

HeadlessHost::TopLevel& HeadlessHost::Record(HWND window) {
    auto [entry, inserted] = topLevels_.try_emplace(window);
    if (inserted) {
        mentionOrder_.push_back(window);
    }
    return entry->second;
}

void HeadlessHost::UpdateTopLevel(HWND window, const TopLevelInfo& info) {
    Record(window).info = info;
    screenStale_ = true;
}

void HeadlessHost::SetTopLevelIcon(HWND window, int width, int height,
                                   const std::vector<uint32_t>& argb) {
    TopLevel& record = Record(window);
    const bool consistent = width > 0 && height > 0 &&
                            argb.size() == static_cast<size_t>(width) * static_cast<size_t>(height);
    record.iconSize = consistent ? SIZE{width, height} : SIZE{0, 0};
}

void HeadlessHost::DestroyTopLevel(HWND window) {
    if (topLevels_.erase(window) == 0) {
        return;
    }
    std::erase(mentionOrder_, window);
    std::erase(zOrderTopFirst_, window);
    screenStale_ = true;
}

void HeadlessHost::SetZOrder(const std::vector<HWND>& topToBottom) {
    zOrderTopFirst_ = topToBottom;
    screenStale_ = true;
}

void HeadlessHost::Present(HWND window, const gdi::Surface& surface, const RECT& dirty) {
    TopLevel& record = Record(window);
    if (record.shown == nullptr) {
        record.shown = std::make_unique<gdi::Surface>(surface.Width(), surface.Height());
    } else {
        record.shown->Resize(surface.Width(), surface.Height());
    }
    CopyPixels(surface, dirty, *record.shown, 0, 0);
    ++record.presentCount;
    record.lastDirty = dirty;
    screenStale_ = true;
}

void HeadlessHost::QueueInput(const InputEvent& event) {
    queue_.push_back(event);
}

bool HeadlessHost::PollInput(InputSink& sink) {
    // One event per poll: the layer takes the messages of each event before the next one
    // arrives, as it would when a person's presses reach it one after another, so that the key
    // and button state it reports belongs to the message being handled.
    if (queue_.empty()) {
        return false;
    }
    const InputEvent event = std::move(queue_.front());
    queue_.pop_front();
    sink.OnInput(event);
    return true;
}

bool HeadlessHost::WaitForInput(InputSink& sink, std::optional<DWORD> deadline) {
    for (;;) {
        if (PollInput(sink)) {
            return true;
        }
        if (deadline.has_value() && DeadlineReached(tickCount_, *deadline)) {
            return false;
        }
        if (runner_ == nullptr) {
            std::fprintf(stderr,
                         "HeadlessHost: the GUI thread waits for input (%s%lu) but no scenario "
                         "is running, so neither input nor time can ever arrive.\n",
                         deadline.has_value() ? "until tick " : "without deadline, tick ",
                         static_cast<unsigned long>(deadline.value_or(tickCount_)));
            std::abort();
        }
        if (!runner_->RunNextStep(deadline)) {
            return false;
        }
    }
}

const HeadlessHost::TopLevel* HeadlessHost::FindTopLevel(HWND window) const {
    auto found = topLevels_.find(window);
    return found != topLevels_.end() ? &found->second : nullptr;
}

std::vector<HWND> HeadlessHost::TopLevelWindows() const {
    return mentionOrder_;
}

std::vector<HWND> HeadlessHost::ComposeOrder() const {
    // The windows in the z-order the layer gave come first from the bottom; a visible window it
    // has not placed yet is shown above them, the most recently mentioned on top, as a new
    // window appears above the others.
    std::vector<HWND> order;
    for (auto window = zOrderTopFirst_.rbegin(); window != zOrderTopFirst_.rend(); ++window) {
        const TopLevel* record = FindTopLevel(*window);
        if (record != nullptr && record->info.visible &&
            std::find(order.begin(), order.end(), *window) == order.end()) {
            order.push_back(*window);
        }
    }
    for (HWND window : mentionOrder_) {
        const bool placed = std::find(zOrderTopFirst_.begin(), zOrderTopFirst_.end(), window) !=
                            zOrderTopFirst_.end();
        if (!placed && topLevels_.at(window).info.visible) {
            order.push_back(window);
        }
    }
    return order;
}

void HeadlessHost::Compose() {
    if (screen_ == nullptr) {
        screen_ = std::make_unique<gdi::Surface>(screenSize_.cx, screenSize_.cy);
    }
    const uint32_t desktop = gdi::PixelFromColorRef(GetSysColor(COLOR_BACKGROUND));
    std::fill(screen_->Pixels(),
              screen_->Pixels() + static_cast<size_t>(screen_->Width()) * screen_->Height(),
              desktop);
    for (HWND window : ComposeOrder()) {
        const TopLevel& record = topLevels_.at(window);
        if (record.shown == nullptr) {
            continue;
        }
        const RECT whole{0, 0, record.shown->Width(), record.shown->Height()};
        CopyPixels(*record.shown, whole, *screen_, record.info.screenRect.left,
                   record.info.screenRect.top);
    }
    screenStale_ = false;
}

const gdi::Surface& HeadlessHost::Screen() {
    if (screenStale_ || screen_ == nullptr) {
        Compose();
    }
    return *screen_;
}

COLORREF HeadlessHost::ScreenPixel(int x, int y) {
    return gdi::ColorRefFromPixel(Screen().PixelAt(x, y));
}

}  // namespace layer::host
