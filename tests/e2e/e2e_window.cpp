// The layer's own test program for the end-to-end checks under Xvfb: one captioned window that
// reports its input on stdout, one line each, and shows it in its pixels and its title.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 128, 128);
constexpr COLORREF kClickMark = RGB(255, 0, 0);
constexpr int kMarkRadius = 10;
constexpr char kTitle[] = "e2e window";

struct WindowState {
    int exitCode = 0;
    std::string typed;
    bool clicked = false;
    POINT click{0, 0};
};

WindowState state;

void Report(const char* format, long first = 0, long second = 0) {
    std::printf(format, first, second);
    std::printf("\n");
    std::fflush(stdout);
}

void Paint(HDC dc, const RECT& client) {
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &client, background);
    DeleteObject(background);
    if (state.clicked) {
        RECT mark{state.click.x - kMarkRadius, state.click.y - kMarkRadius,
                  state.click.x + kMarkRadius, state.click.y + kMarkRadius};
        HBRUSH red = CreateSolidBrush(kClickMark);
        FillRect(dc, &mark, red);
        DeleteObject(red);
    }
}

void OnChar(HWND window, WPARAM code) {
    unsigned char byte = static_cast<unsigned char>(code);
    Report("char 0x%02lx", byte);
    if (byte >= 0x20) {
        state.typed.push_back(static_cast<char>(byte));
        std::string title = std::string(kTitle) + " " + state.typed;
        SetWindowTextA(window, title.c_str());
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            Paint(dc, client);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            state.clicked = true;
            state.click = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            Report("click %ld %ld", state.click.x, state.click.y);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_KEYDOWN:
            Report("keydown 0x%02lx", static_cast<long>(wParam));
            if (wParam == VK_ESCAPE) {
                DestroyWindow(window);
            }
            return 0;
        case WM_CHAR:
            OnChar(window, wParam);
            return 0;
        case WM_MOVE:
            Report("move %ld %ld", GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_SETFOCUS:
            Report("setfocus");
            return 0;
        case WM_QUERYENDSESSION:
            Report("queryendsession");
            return TRUE;
        case WM_ENDSESSION:
            Report("endsession %ld", static_cast<long>(wParam));
            if (wParam) {
                std::exit(state.exitCode);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(state.exitCode);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

// Arguments: X Y WIDTH HEIGHT EXIT_CODE. A left click paints a red square around the point, typed
// characters go into the title, Esc ends the program with the exit code asked for, and so does
// the end of the session.
int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: e2e_window X Y WIDTH HEIGHT EXIT_CODE\n");
        return 2;
    }
    int x = std::atoi(argv[1]);
    int y = std::atoi(argv[2]);
    int width = std::atoi(argv[3]);
    int height = std::atoi(argv[4]);
    state.exitCode = std::atoi(argv[5]);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "E2EWindow";
    if (RegisterClassA(&windowClass) == 0) {
        std::fprintf(stderr, "e2e_window: RegisterClassA failed\n");
        return 3;
    }
    HWND window = CreateWindowExA(0, "E2EWindow", kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "e2e_window: CreateWindowExA failed\n");
        return 3;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    Report("shown");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
