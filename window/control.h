// The common part of the form's controls: the window a control made, its form entry, the lookup
// from window handle to control, and the routing of colour queries and command notifications
// that a parent passes on to the control that sent them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"
#include "window/form.h"
#include "window/guard_window_procedure.h"

namespace quorvane {

class Control {
  public:
    Control(const FormEntry& entry, uint32_t windowNumber);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Creates the control's window, hidden, as a child of parent with the given identifier.
    // Returns false when the window could not be created.
    virtual bool Create(HWND parent, int childId, HINSTANCE instance) = 0;

    // Answers a colour query (WM_CTLCOLOR...) about this control in the device context: sets the
    // colours and returns the brush, or returns nullptr when the control leaves the answer to
    // its parent's standard processing.
    virtual HBRUSH AnswerColour(HDC dc);

    // Handles a command notification that this control sent to its parent.
    virtual void OnCommand(WORD notification);

    HWND Handle() const { return handle_; }
    const FormEntry& Entry() const { return entry_; }
    uint32_t WindowNumber() const { return windowNumber_; }

    // The control that owns this window handle, or nullptr.
    static Control* FromHandle(HWND window);

  protected:
    // Records the window as this control's; from then on FromHandle finds it.
    void Attach(HWND window);

    // WS_CHILD and WS_CLIPSIBLINGS with what the disabled and focus-stop flags add.
    DWORD CommonChildStyle() const;

  private:
    const FormEntry& entry_;
    uint32_t windowNumber_;
    HWND handle_ = nullptr;
};

// A parent's handling of WM_CTLCOLOR... and WM_COMMAND from one of its children: passed on to the
// control that sent it. Returns true with the result when that control answered.
bool PassToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The text of a window (bytes in code page 936).
std::string WindowText(HWND window);

}  // namespace quorvane
