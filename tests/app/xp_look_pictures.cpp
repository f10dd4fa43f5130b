// Makes the README's pictures of the program in the XP look from the headless screen: the main
// window, the draw button hot and pressed, the prompt, and a drawn number.
// Usage: app_xp_look_pictures FOLDER
#include <cstdio>
#include <string>

#include "app/program.h"
#include "platform/gdi/surface.h"
#include "platform/testing/png.h"
#include "platform/testing/scenario.h"
#include "tests/app/quorvane_run.h"

namespace quorvane::testing {
namespace {

using layer::testing::Scenario;
using layer::testing::Screen;

// Saves the part of the screen that the window covers, with a margin around it.
void SaveWindow(Screen& screen, HWND window, int margin, const std::string& path, bool& ok) {
    RECT rect{};
    if (window == nullptr || !::GetWindowRect(window, &rect)) {
        std::fprintf(stderr, "no window for %s\n", path.c_str());
        ok = false;
        return;
    }
    const int left = rect.left - margin;
    const int top = rect.top - margin;
    const int width = rect.right - rect.left + 2 * margin;
    const int height = rect.bottom - rect.top + 2 * margin;
    layer::gdi::Surface picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.SetPixelAt(x, y,
                               layer::gdi::PixelFromColorRef(screen.Pixel(left + x, top + y)));
        }
    }
    if (!layer::testing::SavePng(picture, path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        ok = false;
    }
}

int MakePictures(const std::string& folder) {
    bool ok = true;
    const POINT button{kDrawButtonCentre.x, kDrawButtonCentre.y};
    const POINT away{kClientOrigin.x + 292, kClientOrigin.y + 208};
    Scenario scenario;
    scenario.Move(away.x, away.y).Check([&](Screen& screen) {
        SaveWindow(screen, MainWindowHandle(), 0, folder + "/main-window.png", ok);
    });
    scenario.Move(button.x, button.y).Check([&](Screen& screen) {
        SaveWindow(screen, MainWindowHandle(), 0, folder + "/button-hot.png", ok);
    });
    scenario.Press(button.x, button.y).Check([&](Screen& screen) {
        SaveWindow(screen, MainWindowHandle(), 0, folder + "/button-pressed.png", ok);
    });
    // Releasing over the button with an empty entry brings up the prompt.
    scenario.Release(button.x, button.y).Check([&](Screen& screen) {
        SaveWindow(screen, TopLevelWithText("信息："), 0, folder + "/prompt.png", ok);
    });
    // A draw among 100 people, at a tick count that draws a two-digit number.
    scenario.Key(VK_RETURN).Type("100").SetTickCount(1000).Click(button.x, button.y);
    scenario.Move(away.x, away.y).Check([&](Screen& screen) {
        SaveWindow(screen, MainWindowHandle(), 0, folder + "/drawn.png", ok);
    });
    scenario.Key(VK_ESCAPE);
    scenario.Run([] { RunProgram(); });
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace quorvane::testing

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    return quorvane::testing::MakePictures(argv[1]);
}
