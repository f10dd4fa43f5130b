// What the edit control's tests share: a headless screen with a parent window that records the
// notifications it gets and answers the colour queries with colours a test chooses, and an edit
// box inside it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/win32.h"

namespace layer::user::edit::testing {

// What the parent saw: notification codes in order and the colour queries' messages.
struct ParentLog {
    std::vector<WORD> notifications;
    std::vector<UINT> colourQueries;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backgroundColour = RGB(255, 255, 255);
    HBRUSH brush = nullptr;  // null: the parent leaves the query to DefWindowProc
};
ParentLog& Parent();

// The screen position of the parent window and of the edit box inside its client area.
inline constexpr POINT kParentOrigin{100, 100};
inline constexpr RECT kEditRect{10, 10, 130, 42};

class EditTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // An edit box with a sunken edge and the default GUI font, as the program makes its entry.
    HWND CreateEdit(DWORD style = ES_LEFT | ES_AUTOHSCROLL, const char* text = "");
    void Pump();
    std::string TextOf(HWND edit);
    std::pair<DWORD, DWORD> SelectionOf(HWND edit);
    void Type(HWND edit, const std::string& bytes);
    // The screen point of a client point of the edit box.
    POINT OnScreen(HWND edit, int x, int y);

    host::HeadlessHost* host_ = nullptr;
    HWND parent_ = nullptr;
};

// GBK bytes for UTF-8 source text.
std::string Gbk(const std::string& utf8);

}  // namespace layer::user::edit::testing
