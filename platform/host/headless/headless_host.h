// The headless host: a virtual screen for tests. It records what the layer shows, composes the
// visible top-level windows on demand, and takes its input and its clock from the test.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/headless/step_runner.h"
#include "platform/host/host.h"

namespace layer::host {

class HeadlessHost : public Host {
  public:
    static constexpr SIZE kDefaultScreenSize{1024, 768};
    // The tick count a fresh host starts at: one minute after the virtual boot.
    static constexpr DWORD kInitialTickCount = 60000;
    static constexpr UINT kDoubleClickTime = 500;

    // What the host knows of one top-level window.
    struct TopLevel {
        TopLevelInfo info;
        // The pixels shown on the screen: what Present handed over, inside the dirty rectangles.
        std::unique_ptr<gdi::Surface> shown;
        int presentCount = 0;
        RECT lastDirty{0, 0, 0, 0};
        SIZE iconSize{0, 0};
    };

    // Screen sizes below 1 x 1 give a 1 x 1 screen.
    explicit HeadlessHost(SIZE screenSize = kDefaultScreenSize);
    ~HeadlessHost() override;

    // Creates a fresh headless host, installs it as the layer's host and returns it. The
    // previous host, if any, is destroyed.
    static HeadlessHost& Install(SIZE screenSize = kDefaultScreenSize);
    // The installed headless host, or null when the installed host is another one or none.
    static HeadlessHost* Installed();

    // Host operations.
    SIZE ScreenSize() const override { return screenSize_; }
    void UpdateTopLevel(HWND window, const TopLevelInfo& info) override;
    void SetTopLevelIcon(HWND window, int width, int height,
                         const std::vector<uint32_t>& argb) override;
    void DestroyTopLevel(HWND window) override;
    void SetZOrder(const std::vector<HWND>& topToBottom) override;
    void Present(HWND window, const gdi::Surface& surface, const RECT& dirty) override;
    bool PollInput(InputSink& sink) override;
    bool WaitForInput(InputSink& sink, std::optional<DWORD> deadline) override;
    DWORD TickCount() override { return tickCount_; }
    UINT DoubleClickTime() override { return kDoubleClickTime; }
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
    void SetCursor(Cursor cursor) override { cursor_ = cursor; }

    // What tests do and read.
    // Queues input. Each poll or wait hands the layer the oldest queued event, one at a time.
    void QueueInput(const InputEvent& event);
    size_t QueuedInputCount() const { return queue_.size(); }
    void SetTickCount(DWORD tickCount) { tickCount_ = tickCount; }
    // Moves the clock forward, wrapping at 2^32 as the system's does.
    void AdvanceTickCount(DWORD milliseconds) { tickCount_ += milliseconds; }
    // Runs scenario steps whenever the GUI thread would wait; null removes the runner.
    void SetStepRunner(StepRunner* runner) { runner_ = runner; }
    StepRunner* CurrentStepRunner() const { return runner_; }

    Cursor CurrentCursor() const { return cursor_; }
    // The window's record, or null when the host does not know the window.
    const TopLevel* FindTopLevel(HWND window) const;
    // The windows the layer has told about and not destroyed, in order of first mention.
    std::vector<HWND> TopLevelWindows() const;
    // The visible windows that the screen shows, bottom first.
    std::vector<HWND> ComposeOrder() const;
    // The screen as a person would see it: the desktop with the visible windows on it. The
    // reference stays valid until the next change reaches the host.
    const gdi::Surface& Screen();
    // One pixel of the screen, as a COLORREF; 0 outside the screen.
    COLORREF ScreenPixel(int x, int y);

  private:
    TopLevel& Record(HWND window);
    void Compose();

    SIZE screenSize_;
    DWORD tickCount_ = kInitialTickCount;
    std::string clipboard_;
    Cursor cursor_ = Cursor::Arrow;
    std::deque<InputEvent> queue_;
    StepRunner* runner_ = nullptr;

    std::map<HWND, TopLevel> topLevels_;
    std::vector<HWND> mentionOrder_;
    std::vector<HWND> zOrderTopFirst_;

    std::unique_ptr<gdi::Surface> screen_;
    bool screenStale_ = true;
};

}  // namespace layer::host
