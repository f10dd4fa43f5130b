// What the window manager's tests share: a headless host per test, a recording window class
// whose procedure logs every message (and a CBT hook that logs every hook call) by window name.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"

namespace layer::user::testing {

// The log lines look like "child WM_CREATE" or "CBT HCBT_SETFOCUS top"; messages the tests do
// not care about are left out by the filter the fixture sets.
class MessageLog {
  public:
    static MessageLog& Instance();

    void Name(HWND window, std::string name) { names_[window] = std::move(name); }
    std::string NameOf(HWND window) const;
    void Add(std::string line) {
        if (recording_)
            lines_.push_back(std::move(line));
    }
    void Start() {
        lines_.clear();
        recording_ = true;
    }
    std::vector<std::string> Take() {
        recording_ = false;
        return std::move(lines_);
    }
    void Reset() {
        names_.clear();
        lines_.clear();
        recording_ = false;
    }

  private:
    std::map<HWND, std::string> names_;
    std::vector<std::string> lines_;
    bool recording_ = false;
};

std::string MessageName(UINT message);

// The procedure of the "Recorder" class: logs, then calls DefWindowProcA.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A recorded window of the "Recorder" class, named for the log.
    HWND Create(const char* name, DWORD style, int x, int y, int width, int height,
                HWND parent = nullptr, DWORD exStyle = 0, int id = 0);
    // Starts logging messages and CBT hook calls.
    void StartLog();
    std::vector<std::string> TakeLog() { return MessageLog::Instance().Take(); }
    // Retrieves and dispatches everything waiting, paint included.
    void Pump();

    host::HeadlessHost* host_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace layer::user::testing
