// The edit control's messages: EM_SETSEL's rules, limits, notifications, undo, typed double-byte
// characters, styles, text retrieval and the colour query, as Windows and the probe answer them.
#include <gtest/gtest.h>

#include "platform/testing/screen.h"
#include "tests/platform/controls/edit/edit_test_support.h"

namespace layer::user::edit::testing {
namespace {

using Selection = std::pair<DWORD, DWORD>;

TEST_F(EditTest, SetSelectionFollowsTheDocumentedRules) {
    HWND edit = CreateEdit(ES_LEFT | ES_AUTOHSCROLL, "abc");
    EXPECT_EQ(SelectionOf(edit), Selection(0, 0)) << "after creation";
    // Each row starts from the selection the row before left, as the probe ran them.
    struct Row {
        int start;
        int end;
        Selection expected;
    };
    const Row rows[] = {
        {2, 1, {1, 2}},   // the lower end comes first
        {-1, 0, {1, 1}},  // -1 collapses onto the caret, which was at 1
        {1, 99, {1, 3}},  // clamped to the text
        {0, -1, {0, 3}},  // everything
        {-5, 2, {2, 3}},  // other negative starts count as huge unsigned values
    };
    for (const Row& row : rows) {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(row.start), row.end);
        EXPECT_EQ(SelectionOf(edit), row.expected) << "EM_SETSEL " << row.start << ", " << row.end;
    }
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(2, 3));
}

TEST_F(EditTest, PositionsInsideADoubleByteCharacterSnapToItsStart) {
    HWND edit = CreateEdit(ES_LEFT | ES_AUTOHSCROLL, Gbk("中奖12").c_str());
    SendMessageA(edit, EM_SETSEL, 1, 3);
    EXPECT_EQ(SelectionOf(edit), Selection(0, 2));
    SetWindowTextA(edit, Gbk("中奖12").c_str());
    EXPECT_EQ(SelectionOf(edit), Selection(0, 0)) << "setting the text puts the caret first";
}

TEST_F(EditTest, LimitStartsAt30000AndZeroMeansTheLargest) {
    HWND edit = CreateEdit();
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    SendMessageA(edit, EM_SETLIMITTEXT, 3, 0);
    Parent().notifications.clear();
    Type(edit, "abcd");
    EXPECT_EQ(TextOf(edit), "abc");
    EXPECT_EQ(Parent().notifications.back(), EN_MAXTEXT);
    SetWindowTextA(edit, "longer than the limit");
    EXPECT_EQ(TextOf(edit), "longer than the limit") << "the limit binds the user only";
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_SETLIMITTEXT, 4, 0);
    Type(edit, Gbk("中奖"));
    EXPECT_EQ(TextOf(edit), Gbk("中奖"));
    Type(edit, "x");
    EXPECT_EQ(TextOf(edit), Gbk("中奖")) << "full: nothing more goes in";
}

TEST_F(EditTest, NotificationsReachTheParentInOrder) {
    HWND edit = CreateEdit(ES_LEFT | ES_AUTOHSCROLL, "created");
    EXPECT_TRUE(Parent().notifications.empty()) << "the text given at creation notifies nobody";
    SetFocus(edit);
    Type(edit, "ab");
    SetWindowTextA(edit, "x");
    SetFocus(parent_);
    const std::vector<WORD> expected = {EN_SETFOCUS, EN_UPDATE, EN_CHANGE, EN_UPDATE,
                                        EN_CHANGE,   EN_UPDATE, EN_CHANGE, EN_KILLFOCUS};
    EXPECT_EQ(Parent().notifications, expected);
}

TEST_F(EditTest, UndoTakesBackARunOfTypingOrDeletingAndThenRedoesIt) {
    HWND edit = CreateEdit(ES_LEFT | ES_AUTOHSCROLL, "ab");
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_SETSEL, 2, 2);
    Type(edit, "cd");
    EXPECT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(TextOf(edit), "ab");
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(TextOf(edit), "abcd");
    Type(edit, "\b\b");
    EXPECT_EQ(TextOf(edit), "ab");
    SendMessageA(edit, WM_CHAR, 0x1A, 1);  // Ctrl+Z
    EXPECT_EQ(TextOf(edit), "abcd");
    SendMessageA(edit, EM_SETSEL, 1, 3);
    Type(edit, "X");
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(TextOf(edit), "abcd") << "typing over a selection undoes as one change";
}

TEST_F(EditTest, DoubleByteCharactersArriveInTwoBytesAndLeaveWhole) {
    HWND edit = CreateEdit();
    Type(edit, Gbk("中") + "1" + Gbk("１"));
    EXPECT_EQ(TextOf(edit), Gbk("中1１"));
    Type(edit, "\b");
    EXPECT_EQ(TextOf(edit), Gbk("中1"));
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(TextOf(edit), "1");
    // A lead byte followed by a byte that cannot trail it is dropped; the byte counts alone.
    SendMessageA(edit, EM_SETSEL, 1, 1);
    Type(edit, "\xD6\x1Fy\xD6/");
    EXPECT_EQ(TextOf(edit), "1y/");
}

TEST_F(EditTest, StylesFilterWhatIsTyped) {
    struct Row {
        DWORD style;
        const char* typed;
        const char* expected;
    };
    const Row rows[] = {
        {ES_NUMBER, "a1b2", "12"},
        {ES_UPPERCASE, "aB1", "AB1"},
        {ES_LOWERCASE, "aB1", "ab1"},
        {ES_READONLY, "ab", ""},
    };
    for (const Row& row : rows) {
        HWND edit = CreateEdit(ES_AUTOHSCROLL | row.style);
        Type(edit, row.typed);
        EXPECT_EQ(TextOf(edit), row.expected) << "style " << std::hex << row.style;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, ReplaceSelectionKeepsTheFirstLineAndIgnoresReadOnly) {
    HWND edit = CreateEdit(ES_AUTOHSCROLL | ES_READONLY, "abc");
    SendMessageA(edit, EM_SETSEL, 1, 2);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XY\r\nsecond"));
    EXPECT_EQ(TextOf(edit), "aXYc");
    EXPECT_EQ(SelectionOf(edit), Selection(3, 3));
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY, 0);
    Type(edit, "z");
    EXPECT_EQ(TextOf(edit), "aXYzc");
}

TEST_F(EditTest, GetTextNeverSplitsACharacterAndBigSelectionsAnswerMinusOne) {
    HWND edit = CreateEdit(ES_AUTOHSCROLL, Gbk("中奖").c_str());
    char buffer[4] = {'?', '?', '?', '?'};
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_EQ(std::string(buffer), Gbk("中"));
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 10, 0), 0);

    SetWindowTextA(edit, std::string(70000, 'a').c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), -1);
    EXPECT_EQ(SelectionOf(edit), Selection(0, 70000));
}

TEST_F(EditTest, AsksTheParentForColoursAndPaintsWithTheAnswer) {
    Parent().brush = CreateSolidBrush(RGB(255, 255, 0));
    Parent().backgroundColour = RGB(255, 255, 0);
    HWND edit = CreateEdit(ES_AUTOHSCROLL, "");
    layer::testing::Screen screen(*host_);
    POINT inside = OnScreen(edit, 40, 10);
    EXPECT_EQ(screen.Pixel(inside.x, inside.y), RGB(255, 255, 0));
    ASSERT_FALSE(Parent().colourQueries.empty());
    EXPECT_EQ(Parent().colourQueries.back(), static_cast<UINT>(WM_CTLCOLOREDIT));

    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    Pump();
    EXPECT_EQ(Parent().colourQueries.back(), static_cast<UINT>(WM_CTLCOLORSTATIC));
    DeleteObject(Parent().brush);
    Parent().brush = nullptr;
    InvalidateRect(edit, nullptr, TRUE);
    Pump();
    EXPECT_EQ(screen.Pixel(inside.x, inside.y), GetSysColor(COLOR_BTNFACE))
        << "without an answer a read-only box takes the default static colours";
}

TEST_F(EditTest, AnswersTheDialogCodeAndCarriesTheIBeam) {
    HWND edit = CreateEdit();
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), 0x89);
    EXPECT_EQ(GetClassLongPtrA(edit, GCLP_HCURSOR),
              reinterpret_cast<ULONG_PTR>(LoadCursorA(nullptr, IDC_IBEAM)));
    char name[16] = {};
    GetClassNameA(edit, name, sizeof(name));
    EXPECT_STREQ(name, "Edit");
}

}  // namespace
}  // namespace layer::user::edit::testing
