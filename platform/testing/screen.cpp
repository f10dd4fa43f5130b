// Screen: reads go to the composed headless screen and to the layer's own Win32 functions, so a
// check sees exactly what the program would.
#include "platform/testing/screen.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/api/user32.h"
#include "platform/gdi/diagnostics.h"
#include "platform/testing/png.h"
#include "platform/user/diagnostics.h"

namespace layer::testing {

namespace {

host::HeadlessHost& InstalledHost() {
    host::HeadlessHost* host = host::HeadlessHost::Installed();
    if (host == nullptr) {
        std::fprintf(stderr,
                     "Screen: no headless host is installed; create a Scenario or call "
                     "HeadlessHost::Install() first.\n");
        std::abort();
    }
    return *host;
}

}  // namespace

Screen::Screen() : host_(&InstalledHost()) {}

COLORREF Screen::Pixel(int x, int y) {
    return host_->ScreenPixel(x, y);
}

HWND Screen::WindowAt(int x, int y) {
    return ::WindowFromPoint(POINT{x, y});
}

HWND Screen::Focus() {
    return ::GetFocus();
}

std::string Screen::Text(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    if (length <= 0) {
        return std::string();
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

bool Screen::SavePng(const std::string& path) {
    return testing::SavePng(host_->Screen(), path);
}

DWORD Screen::TickCount() {
    return host_->TickCount();
}

void Screen::SetTickCount(DWORD tickCount) {
    host_->SetTickCount(tickCount);
}

void Screen::AdvanceTickCount(DWORD milliseconds) {
    host_->AdvanceTickCount(milliseconds);
}

void Screen::FailNextCreation(const std::string& className) {
    user::FailNextCreation(className.c_str());
}

size_t Screen::LiveWindowCount() {
    return user::LiveWindowCount();
}

size_t Screen::LiveObjectCount() {
    return gdi::LiveObjectCount();
}

}  // namespace layer::testing
