// What a person does in an edit box on the headless screen: typing ASCII, full-width and Chinese
// text, moving and selecting with keys and the mouse, deleting, cutting, pasting and undoing,
// with the caret where it belongs; and a 1 MB paste through the clipboard.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/text/code_page.h"
#include "platform/testing/scenario.h"
#include "platform/win32.h"

namespace layer::testing {
namespace {

HWND entry = nullptr;

std::string Gbk(const std::string& utf8) {
    return text::AnsiFromUtf8(utf8);
}

// The program: a frameless window at (100, 100) holding an entry made as the real program makes
// it, with the focus, until F12 ends it.
void RunEntryProgram() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "EditScenarioWindow";
    RegisterClassA(&windowClass);
    HWND window = ::CreateWindowExA(0, "EditScenarioWindow", "", WS_POPUP | WS_VISIBLE, 100, 100,
                                    300, 100, nullptr, nullptr, nullptr, nullptr);
    entry = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 10,
                              10, 120, 32, window, reinterpret_cast<HMENU>(130), nullptr, nullptr);
    ::SetWindowLongA(entry, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    ::SetWindowPos(entry, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::SendMessageA(entry, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   TRUE);
    ::SendMessageA(entry, EM_LIMITTEXT, 0, 0);
    ::SendMessageA(entry, EM_SETSEL, 0, 0);
    ::SendMessageA(entry, EM_SCROLLCARET, 0, 0);
    ::SetFocus(entry);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_F12) {
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::DestroyWindow(window);
}

std::string EntryText() {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(entry)) + 1, '\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextA(entry, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::pair<DWORD, DWORD> EntrySelection() {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(entry, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// The client x where the caret stands before the character at `offset`.
int ClientXOf(size_t offset) {
    return LOWORD(::SendMessageA(entry, EM_POSFROMCHAR, offset, 0));
}

POINT ScreenPointOf(int clientX, int clientY) {
    POINT point{clientX, clientY};
    ::ClientToScreen(entry, &point);
    return point;
}

// The caret stands before `offset`, and it is drawn there (inverted to black on white) or not;
// its top row is read, which lies above the glyphs.
void ExpectCaretAt(Screen& screen, size_t offset, bool drawn) {
    POINT caret{};
    ASSERT_TRUE(::GetCaretPos(&caret));
    EXPECT_EQ(caret.x, ClientXOf(offset)) << "caret before byte " << offset;
    EXPECT_EQ(caret.y, 1);
    POINT middle = ScreenPointOf(caret.x, caret.y);
    EXPECT_EQ(screen.Pixel(middle.x, middle.y), drawn ? RGB(0, 0, 0) : RGB(255, 255, 255))
        << "caret " << (drawn ? "drawn" : "blinked off") << " at client x " << caret.x;
}

TEST(EditScenarioTest, TypingDeletingSelectingCuttingPastingAndUndoing) {
    Scenario scenario;
    scenario.Type("12")
        .Check([](Screen& screen) {
            EXPECT_EQ(EntryText(), "12");
            ExpectCaretAt(screen, 2, true);
        })
        .Type("１２")
        .Type("中奖")
        .Check([](Screen& screen) {
            EXPECT_EQ(EntryText(), Gbk("12１２中奖"));
            ExpectCaretAt(screen, 10, true);
            EXPECT_GT(ClientXOf(10), ClientXOf(8)) << "奖 has a width";
        })
        .AdvanceTickCount(500)
        .Check([](Screen& screen) { ExpectCaretAt(screen, 10, false); })
        .Key(VK_BACK)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntryText(), Gbk("12１２中")) << "Backspace takes both bytes of 奖";
            ExpectCaretAt(screen, 8, true);
        })
        .Key(VK_LEFT, kShift)
        .Key(VK_LEFT, kShift)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntrySelection(), std::make_pair(DWORD{4}, DWORD{8}));
            POINT caret{};
            ::GetCaretPos(&caret);
            EXPECT_EQ(caret.x, ClientXOf(4));
            const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
            POINT onCaret = ScreenPointOf(caret.x, caret.y);
            EXPECT_EQ(screen.Pixel(onCaret.x, onCaret.y),
                      RGB(255 - GetRValue(highlight), 255 - GetGValue(highlight),
                          255 - GetBValue(highlight)))
                << "the caret inverts the selection's first pixel column";
            POINT selected = ScreenPointOf(ClientXOf(6) + 1, 12);
            EXPECT_EQ(screen.Pixel(selected.x, selected.y), GetSysColor(COLOR_HIGHLIGHT));
        })
        .Key('X', kCtrl)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntryText(), Gbk("12１"));
            EXPECT_EQ(screen.Host().ClipboardText(), "２中");
        })
        .Key(VK_HOME)
        .Key('V', kCtrl)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntryText(), Gbk("２中12１"));
            ExpectCaretAt(screen, 4, true);
        })
        .Key(VK_DELETE)
        .Key(VK_RIGHT)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntryText(), Gbk("２中2１"));
            ExpectCaretAt(screen, 5, true);
        })
        .Key('A', kCtrl)
        .Check([](Screen&) { EXPECT_EQ(EntrySelection(), std::make_pair(DWORD{0}, DWORD{7})); })
        .Key('Z', kCtrl)
        .Check([](Screen&) { EXPECT_EQ(EntryText(), Gbk("２中12１")) << "undo brings the 1 back"; })
        .Key(VK_F12);
    scenario.Run(RunEntryProgram);
}

// Where the entry's client area lies on the screen: the window's corner, the entry's place in it
// and its sunken edge.
constexpr POINT kEntryClient{100 + 10 + 2, 100 + 10 + 2};

// The client x of the boundary after `count` bytes of a text in the entry's font, measured
// apart from the entry, so that the steps can be written before the program runs.
int MeasuredX(const std::string& text, size_t count) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(count), &size);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return 2 + size.cx;
}

TEST(EditScenarioTest, TheMouseSetsTheCaretDragsASelectionAndDoubleClickSelectsAWord) {
    Scenario scenario;
    const std::string hello = "hello world";
    auto at = [&hello](size_t offset, int nudge = 0) {
        return POINT{kEntryClient.x + MeasuredX(hello, offset) + nudge, kEntryClient.y + 8};
    };
    const POINT third = at(3), first = at(1), eighth = at(8), world = at(8, 1);
    scenario.Check([&hello](Screen&) { ::SetWindowTextA(entry, hello.c_str()); })
        .Click(third.x, third.y)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntrySelection(), std::make_pair(DWORD{3}, DWORD{3}));
            ExpectCaretAt(screen, 3, true);
        })
        .Press(first.x, first.y)
        .Move(eighth.x, eighth.y)
        .Check([](Screen&) { EXPECT_EQ(::GetCapture(), entry) << "held while dragging"; })
        .Release(eighth.x, eighth.y)
        .Check([](Screen& screen) {
            EXPECT_EQ(EntrySelection(), std::make_pair(DWORD{1}, DWORD{8}));
            EXPECT_EQ(::GetCapture(), nullptr);
            ExpectCaretAt(screen, 8, true);
        })
        .AdvanceTickCount(2000)
        .Click(world.x, world.y)
        .Click(world.x, world.y)
        .Check([](Screen&) { EXPECT_EQ(EntrySelection(), std::make_pair(DWORD{6}, DWORD{11})); })
        .Check([](Screen&) { ::SetWindowTextA(entry, std::string(100, '7').c_str()); })
        // Dragging from the third character to 30 pixels past the right edge scrolls the text.
        .Press(at(2).x, at(2).y)
        .Move(kEntryClient.x + 116 + 30, at(2).y)
        .Release(kEntryClient.x + 116 + 30, at(2).y)
        .Check([](Screen&) {
            auto [start, end] = EntrySelection();
            EXPECT_EQ(start, 2u);
            EXPECT_GT(end, 20u);
            EXPECT_LT(static_cast<short>(ClientXOf(0)), 0) << "the text scrolled left";
            POINT caret{};
            ::GetCaretPos(&caret);
            RECT client{};
            ::GetClientRect(entry, &client);
            EXPECT_GE(caret.x, 0);
            EXPECT_LT(caret.x, client.right) << "the caret stays in view";
        })
        .Key(VK_F12);
    scenario.Run(RunEntryProgram);
}

TEST(EditScenarioTest, AOneMegabytePasteArrivesWholeAndTypingGoesOn) {
    const std::string big = [] {
        std::string text;
        for (int index = 0; text.size() < (1u << 20); ++index) {
            text += std::to_string(index % 10);
        }
        return text;
    }();
    Scenario scenario;
    scenario
        .Check([&big](Screen& screen) { screen.Host().SetClipboardText(big + "\r\nnext line"); })
        .Key('V', kCtrl)
        .Check([&big](Screen&) {
            EXPECT_EQ(::GetWindowTextLengthA(entry), static_cast<int>(big.size()));
            EXPECT_TRUE(EntryText() == big) << "the pasted text comes back whole";
            EXPECT_EQ(EntrySelection(), std::make_pair(DWORD(big.size()), DWORD(big.size())));
            POINT caret{};
            RECT client{};
            ::GetCaretPos(&caret);
            ::GetClientRect(entry, &client);
            EXPECT_GT(caret.x, 0);
            EXPECT_LT(caret.x, client.right) << "scrolled to the caret at the end";
        })
        .Type("x")
        .Key(VK_HOME)
        .Check([&big](Screen& screen) {
            EXPECT_EQ(EntryText(), big + "x");
            ExpectCaretAt(screen, 0, true);
            EXPECT_EQ(ClientXOf(0), 2) << "back at the start, the text is scrolled home";
        })
        .Key(VK_F12);
    scenario.Run(RunEntryProgram);
}

}  // namespace
}  // namespace layer::testing
