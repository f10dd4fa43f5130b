// What the tests of the standard controls share: a visible parent window that records the
// notifications and colour queries its controls send, and the program loop that runs it.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace layer::testing {

struct Notification {
    HWND control;
    WORD id;
    WORD code;
};

// What the parent window saw, reset by each CreateControlParent.
struct ParentRecord {
    std::vector<Notification> notifications;
    int colorButtonQueries = 0;
    int colorStaticQueries = 0;
    // When set, the parent answers every colour query with this brush.
    HBRUSH answerBrush = nullptr;
};
ParentRecord& Parent();

// The number of BN_CLICKED notifications the control sent.
int ClicksOf(HWND control);

// A frameless visible popup at the screen rectangle, button-face coloured, that ends the program
// loop when it is destroyed.
HWND CreateControlParent(const RECT& screenRect);
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style,
                   const RECT& clientRect, int id);
// Retrieves and dispatches messages until WM_QUIT. F12 destroys the parent, which ends the
// loop: a scenario ends its program with EndProgram.
void RunProgramLoop(HWND parent);
class Scenario;
void EndProgram(Scenario& scenario);

// The BM_GETSTATE bits of a button.
inline UINT StateOf(HWND button) {
    return static_cast<UINT>(::SendMessageA(button, BM_GETSTATE, 0, 0));
}

}  // namespace layer::testing
