// The main window: building it from the form and its window procedure.
#include "window/main_window.h"

#include <algorithm>

#include "window/button.h"
#include "window/edit_box.h"
#include "window/focus_stops.h"
#include "window/group_box.h"
#include "window/label.h"
#include "window/shell_link.h"
#include "window/transparent_label.h"
#include "window/window_classes.h"
#include "window/window_placement.h"

namespace quorvane {
namespace {

// The loaded windows. Only the GUI thread builds and destroys them.
std::vector<MainWindow*>& LoadedWindows() {
    static std::vector<MainWindow*> windows;
    return windows;
}

constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

std::unique_ptr<Control> MakeControl(const FormEntry& entry, uint32_t windowNumber) {
    switch (entry.kind) {
        case ControlKind::Button:
            return std::make_unique<Button>(entry, windowNumber);
        case ControlKind::GroupBox:
            return std::make_unique<GroupBox>(entry, windowNumber);
        case ControlKind::Label:
            return std::make_unique<Label>(entry, windowNumber);
        case ControlKind::EditBox:
            return std::make_unique<EditBox>(entry, windowNumber);
        case ControlKind::TransparentLabel:
            return std::make_unique<TransparentLabel>(entry, windowNumber);
        case ControlKind::Window:
            break;
    }
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(const Form& form, HINSTANCE instance) : form_(form), instance_(instance) {
    controls_.resize(form.entries.size());
}

MainWindow::~MainWindow() {
    auto& windows = LoadedWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

MainWindow* MainWindow::Build(const Form& form, HINSTANCE instance, const WindowIcons& icons) {
    if (form.entries.empty() || form.entries[0].kind != ControlKind::Window) {
        return nullptr;
    }
    auto* window = new MainWindow(form, instance);
    if (!window->CreateWindowItself(icons)) {
        // Without a window no WM_NCDESTROY will ever delete the object.
        delete window;
        return nullptr;
    }
    if (!window->CreateControls()) {
        // Destroying the window deletes the object at its WM_NCDESTROY.
        ::DestroyWindow(window->handle_);
        return nullptr;
    }
    window->PlaceControlsInContainers();
    window->OrderControls();
    window->ShowControls();
    return window;
}

MainWindow* MainWindow::Find(uint32_t windowNumber) {
    for (MainWindow* window : LoadedWindows()) {
        if (window->form_.windowNumber == windowNumber) {
            return window;
        }
    }
    return nullptr;
}

MainWindow* MainWindow::Containing(HWND window) {
    for (MainWindow* loaded : LoadedWindows()) {
        if (loaded->handle_ != nullptr &&
            (loaded->handle_ == window || ::IsChild(loaded->handle_, window))) {
            return loaded;
        }
    }
    return nullptr;
}

size_t MainWindow::LoadedCount() {
    return LoadedWindows().size();
}

const WindowSettings& MainWindow::Settings() const {
    return std::get<WindowSettings>(form_.entries[0].settings);
}

Control* MainWindow::ControlByNumber(uint32_t formNumber) const {
    for (const auto& control : controls_) {
        if (control != nullptr && control->Entry().formNumber == formNumber) {
            return control.get();
        }
    }
    return nullptr;
}

std::vector<Control*> MainWindow::ControlsInFormOrder() const {
    std::vector<Control*> controls;
    for (const auto& control : controls_) {
        if (control != nullptr) {
            controls.push_back(control.get());
        }
    }
    return controls;
}

bool MainWindow::CreateWindowItself(const WindowIcons& icons) {
    if (!RegisterFormClass(kMainWindowClass, &Procedure, instance_)) {
        return false;
    }
    const FormEntry& entry = form_.entries[0];
    const WindowSettings& settings = Settings();
    const WindowPlacement placement =
        PlaceWindow(entry, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    // With the show-in-taskbar setting on the window has no owner and its own taskbar button.
    HWND window = ::CreateWindowExA(placement.extendedStyle, kMainWindowClass, settings.title,
                                    placement.style, placement.x, placement.y, placement.width,
                                    placement.height, nullptr, nullptr, instance_, this);
    if (window == nullptr) {
        return false;
    }
    created_ = true;
    LoadedWindows().push_back(this);
    RECT outer;
    ::GetWindowRect(window, &outer);
    if (outer.right - outer.left != placement.width ||
        outer.bottom - outer.top != placement.height) {
        ::MoveWindow(window, placement.x, placement.y, placement.width, placement.height, TRUE);
    }
    ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big));
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small));
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   TRUE);
    if (settings.alwaysOnTop) {
        ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (!settings.movable) {
        ::DeleteMenu(::GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND);
    }
    return true;
}

bool MainWindow::CreateControls() {
    int childId = kFirstChildId;
    for (size_t index = form_.entries.size() - 1; index >= 1; --index) {
        const FormEntry& entry = form_.entries[index];
        controls_[index] = MakeControl(entry, form_.windowNumber);
        if (controls_[index] == nullptr || !controls_[index]->Create(handle_, childId, instance_)) {
            return false;
        }
        childId += kChildIdStep;
    }
    return true;
}

void MainWindow::PlaceControlsInContainers() {
    for (size_t index = 1; index < controls_.size(); ++index) {
        const int32_t container = form_.entries[index].container;
        if (container > 0 && static_cast<size_t>(container) < controls_.size() &&
            controls_[container] != nullptr) {
            ::SetParent(controls_[index]->Handle(), controls_[container]->Handle());
        }
    }
}

void MainWindow::OrderControls() {
    for (size_t index = 1; index < controls_.size(); ++index) {
        HWND insertAfter = HWND_TOP;
        for (size_t earlier = index - 1; earlier >= 1; --earlier) {
            if (form_.entries[earlier].container == form_.entries[index].container) {
                insertAfter = controls_[earlier]->Handle();
                break;
            }
        }
        ::SetWindowPos(controls_[index]->Handle(), insertAfter, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void MainWindow::ShowControls() {
    for (size_t index = 1; index < controls_.size(); ++index) {
        ::ShowWindow(controls_[index]->Handle(),
                     form_.entries[index].visible ? SW_SHOWNA : SW_HIDE);
    }
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProcedure([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            auto* created = static_cast<MainWindow*>(CreationParameter(lParam));
            created->handle_ = window;
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        }
        auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcA(window, message, wParam, lParam);
        }
        return self->HandleMessage(message, wParam, lParam);
    });
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnPaint();
        case WM_COMMAND:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            LRESULT result = 0;
            if (PassToSender(message, wParam, lParam, result)) {
                return result;
            }
            break;
        }
        case WM_SETFOCUS:
            return OnSetFocus();
        case WM_ACTIVATE:
            return OnActivate(wParam, lParam);
        case WM_MOVE:
            RaiseWindowEvent(kMovedEvent);
            return 0;
        case WM_SIZE:
            RaiseWindowEvent(kResizedEvent);
            return 0;
        case WM_CLOSE:
            return OnClose();
        case WM_QUERYENDSESSION:
            return OnQueryEndSession();
        case WM_ENDSESSION:
            return OnEndSession(wParam);
        case WM_DESTROY:
            RaiseWindowEvent(kDestroyingEvent);
            return 0;
        case WM_NCDESTROY:
            return OnNonClientDestroy(wParam, lParam);
        default:
            break;
    }
    return ::DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT MainWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(handle_, &paint);
    if (dc != nullptr) {
        const COLORREF colour = Settings().background == kDefaultColour
                                    ? ::GetSysColor(COLOR_BTNFACE)
                                    : Settings().background;
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &paint.rcPaint, brush);
        ::DeleteObject(brush);
    }
    ::EndPaint(handle_, &paint);
    return 0;
}

LRESULT MainWindow::OnSetFocus() {
    if (lastFocus_ != nullptr && ::IsWindow(lastFocus_) && ::IsChild(handle_, lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
    }
    lastFocus_ = nullptr;
    if (HWND first = FirstFocusStop(*this)) {
        ::SetFocus(first);
    }
    return 0;
}

LRESULT MainWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(handle_, focus)) {
            lastFocus_ = focus;
        }
    }
    return ::DefWindowProcA(handle_, WM_ACTIVATE, wParam, lParam);
}

bool MainWindow::CloseQueryRefused(int32_t eventNumber) {
    const EventOutcome outcome =
        RaiseShellEvent({form_.windowNumber, form_.entries[0].formNumber, eventNumber, {}});
    return outcome.handled && outcome.result == 0;
}

LRESULT MainWindow::OnClose() {
    if (CloseQueryRefused(kUnloadQueryEvent) || CloseQueryRefused(kCloseQueryEvent)) {
        return 0;
    }
    return ::DefWindowProcA(handle_, WM_CLOSE, 0, 0);
}

LRESULT MainWindow::OnQueryEndSession() {
    return CloseQueryRefused(kCloseQueryEvent) ? FALSE : TRUE;
}

LRESULT MainWindow::OnEndSession(WPARAM wParam) {
    // The session ends: the window goes without a question, so the program ends normally.
    if (wParam) {
        ::DestroyWindow(handle_);
    }
    return 0;
}

LRESULT MainWindow::OnNonClientDestroy(WPARAM wParam, LPARAM lParam) {
    const uint32_t windowNumber = form_.windowNumber;
    HWND window = handle_;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (!created_) {
        // The creation failed inside CreateWindowExA; Build deletes the object.
        handle_ = nullptr;
        return ::DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
    }
    delete this;
    ReportWindowUnloaded(windowNumber);
    return ::DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

void MainWindow::RaiseWindowEvent(int32_t eventNumber) {
    RaiseShellEvent({form_.windowNumber, form_.entries[0].formNumber, eventNumber, {}});
}

}  // namespace quorvane
