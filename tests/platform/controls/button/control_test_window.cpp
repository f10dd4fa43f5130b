// The recording parent window of the controls' tests.
#include "tests/platform/controls/button/control_test_window.h"

#include "platform/testing/scenario.h"

namespace layer::testing {
namespace {

constexpr char kParentClass[] = "ControlTestParent";

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            Parent().notifications.push_back(
                Notification{reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam)});
            return 0;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC: {
            ++(message == WM_CTLCOLORBTN ? Parent().colorButtonQueries
                                         : Parent().colorStaticQueries);
            if (Parent().answerBrush != nullptr) {
                return reinterpret_cast<LRESULT>(Parent().answerBrush);
            }
            return ::DefWindowProcA(window, message, wParam, lParam);
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

ParentRecord& Parent() {
    static ParentRecord record;
    return record;
}

int ClicksOf(HWND control) {
    int clicks = 0;
    for (const Notification& notification : Parent().notifications) {
        clicks += notification.control == control && notification.code == BN_CLICKED;
    }
    return clicks;
}

HWND CreateControlParent(const RECT& screenRect) {
    Parent() = ParentRecord{};
    // A second registration fails harmlessly: the class from the first one stays.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ParentProcedure;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kParentClass;
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(0, kParentClass, "parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                             screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                             screenRect.bottom - screenRect.top, nullptr, nullptr, nullptr,
                             nullptr);
}

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style,
                   const RECT& clientRect, int id) {
    return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, clientRect.left,
                             clientRect.top, clientRect.right - clientRect.left,
                             clientRect.bottom - clientRect.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void RunProgramLoop(HWND parent) {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_F12) {
            ::DestroyWindow(parent);
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void EndProgram(Scenario& scenario) {
    scenario.Key(VK_F12);
}

}  // namespace layer::testing
