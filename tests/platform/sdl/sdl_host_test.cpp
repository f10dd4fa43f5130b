// The SDL host on SDL's dummy video driver: what each SDL event becomes, waiting, presenting,
// the clock and the clipboard. Events are pushed into SDL's own queue, so the host reads them
// exactly as it reads a real display's.
#include "platform/host/sdl/sdl_host.h"

#include <gtest/gtest.h>
#include <time.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/surface.h"

namespace layer::host {
namespace {

using Kind = InputEvent::Kind;

class RecordingSink : public InputSink {
  public:
    void OnInput(const InputEvent& event) override { events.push_back(event); }
    std::vector<InputEvent> events;
};

HWND Handle(uintptr_t value) {
    return reinterpret_cast<HWND>(value);
}

TopLevelInfo Shown(RECT rect, const char* title = "window") {
    TopLevelInfo info;
    info.screenRect = rect;
    info.visible = true;
    info.titleUtf8 = title;
    return info;
}

class SdlHostTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        host = CreateSdlHost();
        ASSERT_NE(nullptr, host) << "the dummy video driver did not open";
    }
    void TearDown() override {
        host.reset();
        unsetenv("SDL_VIDEODRIVER");
    }

    // The SDL window that the host opened with this title.
    static Uint32 SdlWindowId(const char* title) {
        for (Uint32 id = 1; id < 1000; ++id) {
            SDL_Window* window = SDL_GetWindowFromID(id);
            if (window != nullptr && std::strcmp(SDL_GetWindowTitle(window), title) == 0) {
                return id;
            }
        }
        ADD_FAILURE() << "no SDL window titled " << title;
        return 0;
    }

    static void Push(SDL_Event event) { ASSERT_EQ(1, SDL_PushEvent(&event)); }

    static void PushKey(Uint32 type, Uint32 windowId, SDL_Scancode scancode, SDL_Keycode keycode,
                        Uint16 modifiers, bool repeat = false) {
        SDL_Event event{};
        event.key.type = type;
        event.key.windowID = windowId;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat ? 1 : 0;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = keycode;
        event.key.keysym.mod = modifiers;
        Push(event);
    }

    static void PushText(Uint32 windowId, const char* utf8) {
        SDL_Event event{};
        event.text.type = SDL_TEXTINPUT;
        event.text.windowID = windowId;
        std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
        Push(event);
    }

    static void PushButton(Uint32 type, Uint32 windowId, Uint8 button, int x, int y) {
        SDL_Event event{};
        event.button.type = type;
        event.button.windowID = windowId;
        event.button.button = button;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        Push(event);
    }

    static void PushWindowEvent(Uint32 windowId, SDL_WindowEventID id, int data1 = 0,
                                int data2 = 0) {
        SDL_Event event{};
        event.window.type = SDL_WINDOWEVENT;
        event.window.windowID = windowId;
        event.window.event = id;
        event.window.data1 = data1;
        event.window.data2 = data2;
        Push(event);
    }

    std::vector<InputEvent> Poll() {
        RecordingSink sink;
        host->PollInput(sink);
        return sink.events;
    }

    std::unique_ptr<Host> host;
};

TEST_F(SdlHostTest, ScreenSizeIsThePrimaryDisplay) {
    SIZE size = host->ScreenSize();
    SDL_Rect bounds{};
    ASSERT_EQ(0, SDL_GetDisplayBounds(0, &bounds));
    EXPECT_EQ(bounds.w, size.cx);
    EXPECT_EQ(bounds.h, size.cy);
    EXPECT_GT(size.cx, 0);
}

TEST_F(SdlHostTest, KeysBecomeVirtualKeysAndTypedTextComesOnlyAsText) {
    host->UpdateTopLevel(Handle(0x100), Shown({0, 0, 200, 100}, "keys"));
    Uint32 id = SdlWindowId("keys");
    PushKey(SDL_KEYDOWN, id, SDL_SCANCODE_A, SDLK_a, KMOD_NONE);
    PushText(id, "a");
    PushKey(SDL_KEYDOWN, id, SDL_SCANCODE_A, SDLK_a, KMOD_NONE, true);
    PushKey(SDL_KEYUP, id, SDL_SCANCODE_A, SDLK_a, KMOD_NONE);
    PushKey(SDL_KEYDOWN, id, SDL_SCANCODE_DELETE, SDLK_DELETE, KMOD_NONE);
    std::vector<InputEvent> events = Poll();

    ASSERT_EQ(5u, events.size());
    EXPECT_EQ(Kind::KeyDown, events[0].kind);
    EXPECT_EQ(0x41u, events[0].virtualKey);
    EXPECT_EQ(0x1Eu, events[0].scanCode);
    EXPECT_FALSE(events[0].repeat);
    EXPECT_EQ(Kind::Text, events[1].kind);
    EXPECT_EQ("a", events[1].text);
    EXPECT_EQ(Handle(0x100), events[1].window);
    EXPECT_EQ(Kind::KeyDown, events[2].kind);
    EXPECT_TRUE(events[2].repeat);
    EXPECT_EQ(Kind::KeyUp, events[3].kind);
    EXPECT_EQ(0x41u, events[3].virtualKey);
    EXPECT_EQ(0x2Eu, events[4].virtualKey);
    EXPECT_TRUE(events[4].extended);
}

TEST_F(SdlHostTest, FullWidthDigitsArriveAsTextWithoutAnyKey) {
    host->UpdateTopLevel(Handle(0x100), Shown({0, 0, 200, 100}, "text"));
    PushText(SdlWindowId("text"), "１２");
    std::vector<InputEvent> events = Poll();
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(Kind::Text, events[0].kind);
    EXPECT_EQ("１２", events[0].text);
}

TEST_F(SdlHostTest, LettersTypedWithAltAreShortcutsNotText) {
    host->UpdateTopLevel(Handle(0x100), Shown({0, 0, 200, 100}, "alt"));
    Uint32 id = SdlWindowId("alt");
    PushKey(SDL_KEYDOWN, id, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT);
    PushKey(SDL_KEYDOWN, id, SDL_SCANCODE_F, SDLK_f, KMOD_LALT);
    PushText(id, "f");
    PushKey(SDL_KEYUP, id, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_NONE);
    PushText(id, "g");
    // Ctrl with Alt is AltGr on many layouts: what it types is text.
    PushKey(SDL_KEYDOWN, id, SDL_SCANCODE_Q, SDLK_q, KMOD_LALT | KMOD_LCTRL);
    PushText(id, "@");
    std::vector<InputEvent> events = Poll();

    std::string typed;
    for (const InputEvent& event : events) {
        if (event.kind == Kind::Text) {
            typed += event.text;
        }
    }
    EXPECT_EQ("g@", typed);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(0x12u, events[0].virtualKey);
    EXPECT_EQ(0x46u, events[1].virtualKey);
}

TEST_F(SdlHostTest, MouseButtonsArriveAtScreenPoints) {
    host->UpdateTopLevel(Handle(0x100), Shown({100, 50, 300, 150}, "mouse"));
    Uint32 id = SdlWindowId("mouse");
    PushButton(SDL_MOUSEBUTTONDOWN, id, SDL_BUTTON_LEFT, 10, 20);
    PushButton(SDL_MOUSEBUTTONUP, id, SDL_BUTTON_LEFT, 11, 21);
    PushButton(SDL_MOUSEBUTTONDOWN, id, SDL_BUTTON_RIGHT, 0, 0);
    PushButton(SDL_MOUSEBUTTONDOWN, id, SDL_BUTTON_MIDDLE, 199, 99);
    PushButton(SDL_MOUSEBUTTONDOWN, id, SDL_BUTTON_X1, 5, 5);
    SDL_Event motion{};
    motion.motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = id;
    motion.motion.x = -30;  // outside the window, while buttons are held
    motion.motion.y = 7;
    Push(motion);
    std::vector<InputEvent> events = Poll();

    struct Expected {
        Kind kind;
        int button;
        LONG x;
        LONG y;
    };
    const Expected expected[] = {
        {Kind::ButtonDown, 1, 110, 70}, {Kind::ButtonUp, 1, 111, 71},
        {Kind::ButtonDown, 2, 100, 50}, {Kind::ButtonDown, 3, 299, 149},
        {Kind::MouseMove, 0, 70, 57},
    };
    ASSERT_EQ(std::size(expected), events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(expected[i].kind, events[i].kind) << "event " << i;
        EXPECT_EQ(expected[i].button, events[i].button) << "event " << i;
        EXPECT_EQ(expected[i].x, events[i].point.x) << "event " << i;
        EXPECT_EQ(expected[i].y, events[i].point.y) << "event " << i;
        EXPECT_EQ(Handle(0x100), events[i].window) << "event " << i;
    }
}

TEST_F(SdlHostTest, WindowEventsNameTheirWindow) {
    host->UpdateTopLevel(Handle(0x100), Shown({100, 50, 300, 150}, "first"));
    host->UpdateTopLevel(Handle(0x200), Shown({400, 50, 500, 150}, "second"));
    PushWindowEvent(SdlWindowId("second"), SDL_WINDOWEVENT_FOCUS_GAINED);
    PushWindowEvent(SdlWindowId("second"), SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SdlWindowId("first"), SDL_WINDOWEVENT_CLOSE);
    PushWindowEvent(SdlWindowId("first"), SDL_WINDOWEVENT_EXPOSED);
    PushWindowEvent(9999, SDL_WINDOWEVENT_CLOSE);  // not one of ours
    std::vector<InputEvent> events = Poll();

    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(Kind::FocusGained, events[0].kind);
    EXPECT_EQ(Handle(0x200), events[0].window);
    EXPECT_EQ(Kind::FocusLost, events[1].kind);
    EXPECT_EQ(Handle(0x200), events[1].window);
    EXPECT_EQ(Kind::CloseRequest, events[2].kind);
    EXPECT_EQ(Handle(0x100), events[2].window);
}

TEST_F(SdlHostTest, OnlyTheDesktopsOwnMovesAreReported) {
    host->UpdateTopLevel(Handle(0x100), Shown({100, 50, 300, 150}, "moves"));
    Uint32 id = SdlWindowId("moves");
    host->UpdateTopLevel(Handle(0x100), Shown({400, 300, 600, 400}, "moves"));
    PushWindowEvent(id, SDL_WINDOWEVENT_MOVED, 400, 300);  // confirms the layer's move
    PushWindowEvent(id, SDL_WINDOWEVENT_MOVED, 420, 310);  // a window manager's drag
    std::vector<InputEvent> events = Poll();

    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(Kind::Moved, events[0].kind);
    EXPECT_EQ(420, events[0].point.x);
    EXPECT_EQ(310, events[0].point.y);

    // The layer follows with the new rectangle; the window is already there.
    host->UpdateTopLevel(Handle(0x100), Shown({420, 310, 620, 410}, "moves"));
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(SDL_GetWindowFromID(id), &x, &y);
    EXPECT_EQ(400, x) << "the host moved the window although the desktop had placed it";
    EXPECT_EQ(300, y);
}

TEST_F(SdlHostTest, QuitRequestsEndTheSessionOnce) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);
    Push(quit);
    std::vector<InputEvent> events = Poll();
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(Kind::SessionEnd, events[0].kind);
    Push(quit);
    EXPECT_TRUE(Poll().empty());
}

TEST_F(SdlHostTest, WaitingEndsWithInputOrAtTheDeadline) {
    RecordingSink sink;
    EXPECT_FALSE(host->WaitForInput(sink, host->TickCount() - 5)) << "a past deadline";
    EXPECT_TRUE(sink.events.empty());

    DWORD deadline = host->TickCount() + 40;
    EXPECT_FALSE(host->WaitForInput(sink, deadline));
    EXPECT_GE(static_cast<int32_t>(host->TickCount() - deadline), 0)
        << "returned before the deadline";

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);
    EXPECT_TRUE(host->WaitForInput(sink, std::nullopt));
    ASSERT_EQ(1u, sink.events.size());
    EXPECT_EQ(Kind::SessionEnd, sink.events[0].kind);
}

TEST_F(SdlHostTest, WaitingIsNotEndedByEventsThatAreNotInput) {
    host->UpdateTopLevel(Handle(0x100), Shown({0, 0, 50, 50}, "expose"));
    PushWindowEvent(SdlWindowId("expose"), SDL_WINDOWEVENT_EXPOSED);
    RecordingSink sink;
    DWORD deadline = host->TickCount() + 30;
    EXPECT_FALSE(host->WaitForInput(sink, deadline));
    EXPECT_GE(static_cast<int32_t>(host->TickCount() - deadline), 0);
}

TEST_F(SdlHostTest, PresentCopiesOnlyTheDirtyRectangle) {
    host->UpdateTopLevel(Handle(0x100), Shown({0, 0, 40, 30}, "pixels"));
    gdi::Surface surface(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            surface.SetPixelAt(x, y, 0xFF0000);
        }
    }
    host->Present(Handle(0x100), surface, RECT{10, 5, 20, 15});
    // Rectangles that are empty, inverted or outside change nothing and do no harm.
    host->Present(Handle(0x100), surface, RECT{30, 20, 30, 25});
    host->Present(Handle(0x100), surface, RECT{35, 25, 32, 20});
    host->Present(Handle(0x100), surface, RECT{-100, -100, -50, -50});
    host->Present(Handle(0x999), surface, RECT{0, 0, 40, 30});

    SDL_Surface* shown = SDL_GetWindowSurface(SDL_GetWindowFromID(SdlWindowId("pixels")));
    ASSERT_NE(nullptr, shown);
    auto red = [&](int x, int y) {
        Uint32 pixel = *reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(shown->pixels) +
                                                        y * shown->pitch + x * 4);
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, shown->format, &r, &g, &b);
        return r == 255 && g == 0 && b == 0;
    };
    EXPECT_TRUE(red(10, 5));
    EXPECT_TRUE(red(19, 14));
    EXPECT_FALSE(red(9, 5));
    EXPECT_FALSE(red(20, 14));
    EXPECT_FALSE(red(19, 15));
    EXPECT_FALSE(red(30, 22));

    // A dirty rectangle beyond the surface is clipped to it.
    host->Present(Handle(0x100), surface, RECT{30, 20, 500, 500});
    EXPECT_TRUE(red(39, 29));
}

TEST_F(SdlHostTest, AnEmptyWindowIsNotShown) {
    host->UpdateTopLevel(Handle(0x100), Shown({10, 10, 10, 50}, "empty"));
    Uint32 flags = SDL_GetWindowFlags(SDL_GetWindowFromID(SdlWindowId("empty")));
    EXPECT_EQ(0u, flags & SDL_WINDOW_SHOWN);
    host->UpdateTopLevel(Handle(0x100), Shown({10, 10, 60, 50}, "empty"));
    flags = SDL_GetWindowFlags(SDL_GetWindowFromID(SdlWindowId("empty")));
    EXPECT_NE(0u, flags & SDL_WINDOW_SHOWN);
}

TEST_F(SdlHostTest, CallsForUnknownWindowsAndBadIconsAreIgnored) {
    host->SetTopLevelIcon(Handle(0x999), 16, 16, std::vector<uint32_t>(256, 0xFF00FF00));
    host->DestroyTopLevel(Handle(0x999));
    host->UpdateTopLevel(Handle(0x100), Shown({0, 0, 50, 50}, "icon"));
    host->SetTopLevelIcon(Handle(0x100), 16, 16, std::vector<uint32_t>(10, 0));
    host->SetTopLevelIcon(Handle(0x100), -4, 16, {});
    host->SetTopLevelIcon(Handle(0x100), 16, 16, std::vector<uint32_t>(256, 0xFF00FF00));
    host->SetZOrder({Handle(0x999), Handle(0x100)});
    host->DestroyTopLevel(Handle(0x100));
    EXPECT_EQ(nullptr, SDL_GetWindowFromID(1000)) << "sanity";
    EXPECT_TRUE(Poll().empty());
}

TEST_F(SdlHostTest, ClipboardKeepsUtf8Text) {
    host->SetClipboardText("中奖 42");
    EXPECT_EQ("中奖 42", host->ClipboardText());
}

TEST_F(SdlHostTest, TickCountIsMillisecondsSinceBoot) {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    DWORD expected = static_cast<DWORD>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                        static_cast<uint64_t>(now.tv_nsec) / 1000000u);
    DWORD actual = host->TickCount();
    EXPECT_LE(static_cast<DWORD>(actual - expected), 1000u)
        << "expected about " << expected << ", got " << actual;
}

TEST_F(SdlHostTest, DoubleClickTimeIsHalfASecondUnlessTheDesktopSaysOtherwise) {
    EXPECT_EQ(500u, host->DoubleClickTime());
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, "350");
    EXPECT_EQ(350u, host->DoubleClickTime());
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, "soon");
    EXPECT_EQ(500u, host->DoubleClickTime());
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, nullptr);
}

TEST(SdlHostStart, NoDisplayMeansNoHost) {
    // Without a display SDL would fall back to a driver that shows nothing.
    std::string display = getenv("DISPLAY") != nullptr ? getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    std::unique_ptr<Host> host = CreateSdlHost();
    EXPECT_EQ(nullptr, host);
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_VIDEO)) << "the video subsystem was left open";
    if (!display.empty()) {
        setenv("DISPLAY", display.c_str(), 1);
    }
}

}  // namespace
}  // namespace layer::host
