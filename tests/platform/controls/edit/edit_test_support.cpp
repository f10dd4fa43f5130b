// The edit control tests' parent window and fixture.
#include "tests/platform/controls/edit/edit_test_support.h"

#include "platform/gdi/text/code_page.h"

namespace layer::user::edit::testing {

ParentLog& Parent() {
    static ParentLog log;
    return log;
}

namespace {

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            Parent().notifications.push_back(HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            Parent().colourQueries.push_back(message);
            if (Parent().brush != nullptr) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, Parent().textColour);
                SetBkColor(dc, Parent().backgroundColour);
                return reinterpret_cast<LRESULT>(Parent().brush);
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

std::string Gbk(const std::string& utf8) {
    return text::AnsiFromUtf8(utf8);
}

void EditTest::SetUp() {
    host_ = &host::HeadlessHost::Install();
    Parent() = ParentLog{};
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "EditTestParent";
    RegisterClassA(&windowClass);
    parent_ = CreateWindowExA(0, "EditTestParent", "", WS_POPUP | WS_VISIBLE, kParentOrigin.x,
                              kParentOrigin.y, 300, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
}

void EditTest::TearDown() {
    while (HWND top = GetTopWindow(nullptr)) {
        DestroyWindow(top);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_PAINT) {
            ValidateRect(message.hwnd, nullptr);
        }
    }
    if (Parent().brush != nullptr) {
        DeleteObject(Parent().brush);
    }
    Parent() = ParentLog{};
}

HWND EditTest::CreateEdit(DWORD style, const char* text) {
    HWND edit = CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | style, kEditRect.left,
                                kEditRect.top, kEditRect.right - kEditRect.left,
                                kEditRect.bottom - kEditRect.top, parent_,
                                reinterpret_cast<HMENU>(130), nullptr, nullptr);
    EXPECT_NE(edit, nullptr);
    SetWindowLongA(edit, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    Pump();
    return edit;
}

void EditTest::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string EditTest::TextOf(HWND edit) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    int copied = GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::pair<DWORD, DWORD> EditTest::SelectionOf(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void EditTest::Type(HWND edit, const std::string& bytes) {
    for (char byte : bytes) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(byte), 1);
    }
}

POINT EditTest::OnScreen(HWND edit, int x, int y) {
    POINT point{x, y};
    ClientToScreen(edit, &point);
    return point;
}

}  // namespace layer::user::edit::testing
