// The thread's caret: CreateCaret, DestroyCaret, ShowCaret, HideCaret, SetCaretPos, GetCaretPos
// and the blink time. The caret inverts its rectangle in the owner's client area, so drawing it
// twice restores the pixels beneath; a timer of the owner toggles it while it is shown.
#include "platform/win32.h"

namespace {

// The blink timer's id, chosen high so that it stays clear of the ids programs pick.
constexpr UINT_PTR kBlinkTimerId = 0xFFFF;
constexpr UINT kDefaultBlinkTime = 500;
constexpr UINT kNeverBlink = 0xFFFFFFFF;

struct CaretState {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT position{0, 0};
    int hideLevel = 0;   // shown when zero; a new caret starts hidden once
    bool drawn = false;  // its rectangle is inverted on the screen right now
};

CaretState caret;
UINT blinkTime = kDefaultBlinkTime;

// A caret whose owner has gone is forgotten without drawing, as the window's pixels are gone too.
bool CaretExists() {
    if (caret.owner != nullptr && !IsWindow(caret.owner)) {
        caret = CaretState{};
    }
    return caret.owner != nullptr;
}

void Invert() {
    HDC dc = GetDC(caret.owner);
    if (dc == nullptr) {
        return;
    }
    PatBlt(dc, caret.position.x, caret.position.y, caret.width, caret.height, DSTINVERT);
    ReleaseDC(caret.owner, dc);
    caret.drawn = !caret.drawn;
}

void Erase() {
    if (caret.drawn) {
        Invert();
    }
}

void CALLBACK Blink(HWND, UINT, UINT_PTR, DWORD) {
    if (CaretExists() && caret.hideLevel == 0) {
        Invert();
    }
}

// Draws the caret at once and starts a fresh blink period, so that it is seen right after it
// moves or appears.
void ShowNow() {
    if (!caret.drawn) {
        Invert();
    }
    if (blinkTime != kNeverBlink) {
        SetTimer(caret.owner, kBlinkTimerId, blinkTime, Blink);
    }
}

bool FailNoCaret() {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
}

// HideCaret and ShowCaret name the owner, or pass null for the thread's caret wherever it is.
bool NamesTheCaret(HWND window) {
    return CaretExists() && (window == nullptr || window == caret.owner);
}

}  // namespace

BOOL WINAPI CreateCaret(HWND window, HBITMAP, int width, int height) {
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (width < 0 || height < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DestroyCaret();
    caret.owner = window;
    caret.width = width != 0 ? width : GetSystemMetrics(SM_CXBORDER);
    caret.height = height != 0 ? height : GetSystemMetrics(SM_CYBORDER);
    caret.position = POINT{0, 0};
    caret.hideLevel = 1;
    caret.drawn = false;
    return TRUE;
}

BOOL WINAPI DestroyCaret(void) {
    if (!CaretExists()) {
        return FailNoCaret();
    }
    Erase();
    KillTimer(caret.owner, kBlinkTimerId);
    caret = CaretState{};
    return TRUE;
}

BOOL WINAPI ShowCaret(HWND window) {
    if (!NamesTheCaret(window)) {
        return FailNoCaret();
    }
    if (caret.hideLevel > 0 && --caret.hideLevel == 0) {
        ShowNow();
    }
    return TRUE;
}

BOOL WINAPI HideCaret(HWND window) {
    if (!NamesTheCaret(window)) {
        return FailNoCaret();
    }
    if (caret.hideLevel++ == 0) {
        Erase();
        KillTimer(caret.owner, kBlinkTimerId);
    }
    return TRUE;
}

BOOL WINAPI SetCaretPos(int x, int y) {
    if (!CaretExists()) {
        return FailNoCaret();
    }
    if (caret.position.x == x && caret.position.y == y) {
        return TRUE;
    }
    Erase();
    caret.position = POINT{x, y};
    if (caret.hideLevel == 0) {
        ShowNow();
    }
    return TRUE;
}

BOOL WINAPI GetCaretPos(LPPOINT point) {
    if (point == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!CaretExists()) {
        return FailNoCaret();
    }
    *point = caret.position;
    return TRUE;
}

UINT WINAPI GetCaretBlinkTime(void) {
    return blinkTime;
}

BOOL WINAPI SetCaretBlinkTime(UINT milliseconds) {
    if (milliseconds == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    blinkTime = milliseconds;
    if (CaretExists() && caret.hideLevel == 0) {
        if (milliseconds == kNeverBlink) {
            KillTimer(caret.owner, kBlinkTimerId);
            if (!caret.drawn) {
                Invert();
            }
        } else {
            ShowNow();
        }
    }
    return TRUE;
}
