// The window kind: the main window built from its form with all its controls, its painting, the
// routing of its controls' queries, the focus hand-over and its close path.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32.h"
#include "window/control.h"
#include "window/form.h"

namespace quorvane {

struct WindowIcons {
    HICON big = nullptr;
    HICON small = nullptr;
};

class MainWindow {
  public:
    // Creates the window hidden with its controls placed, ordered and shown as the form says.
    // Returns nullptr when the window or one of its controls could not be created; nothing of it
    // is left then.
    static MainWindow* Build(const Form& form, HINSTANCE instance, const WindowIcons& icons);

    // The loaded window of this window number, or nullptr.
    static MainWindow* Find(uint32_t windowNumber);
    // The loaded window that is this window or an ancestor of it, or nullptr.
    static MainWindow* Containing(HWND window);
    static size_t LoadedCount();

    HWND Handle() const { return handle_; }
    const Form& GetForm() const { return form_; }
    const WindowSettings& Settings() const;

    // The control of this form number, or nullptr.
    Control* ControlByNumber(uint32_t formNumber) const;
    // The controls in form order (form indices 1 and up).
    std::vector<Control*> ControlsInFormOrder() const;

  private:
    MainWindow(const Form& form, HINSTANCE instance);
    ~MainWindow();

    bool CreateWindowItself(const WindowIcons& icons);
    bool CreateControls();
    void PlaceControlsInContainers();
    void OrderControls();
    void ShowControls();

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
    LRESULT OnSetFocus();
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose();
    LRESULT OnQueryEndSession();
    LRESULT OnEndSession(WPARAM wParam);
    LRESULT OnNonClientDestroy(WPARAM wParam, LPARAM lParam);
    void RaiseWindowEvent(int32_t eventNumber);
    bool CloseQueryRefused(int32_t eventNumber);

    const Form& form_;
    HINSTANCE instance_;
    HWND handle_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;  // by form index; index 0 stays empty
    HWND lastFocus_ = nullptr;
    // Set once CreateWindowExA has returned the window; before that, a creation that fails after
    // WM_NCCREATE leaves the object to Build, which deletes it.
    bool created_ = false;
};

}  // namespace quorvane
