// One open message box: its window and buttons, the windows it disabled, its nested modal loop
// with its own keyboard handling, and its answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace layer::user {

class MessageBoxSession {
  public:
    MessageBoxSession(HWND owner, std::string text, std::string caption, UINT type);
    MessageBoxSession(const MessageBoxSession&) = delete;
    MessageBoxSession& operator=(const MessageBoxSession&) = delete;

    // Creates the box, disables the windows its modality names, runs the loop until a button
    // answers (or WM_QUIT arrives, which is posted again), then restores everything. Returns the
    // identifier of the button pressed, or 0 when the box could not be shown or got no answer.
    int Run();

    // Called by the box's window procedure.
    void Answer(int id);
    void CloseRequested();
    void BoxDestroyed();

  private:
    bool CreateBox();
    void DisableWindows();
    void RestoreWindows();
    // The box's own keys: Enter, Esc and Tab for messages meant for the box or its buttons.
    // True when the message was used up.
    bool HandleKey(const MSG& message);
    void MoveFocus(bool backwards);
    HWND FocusedButton() const;

    HWND owner_;
    std::string text_;
    std::string caption_;
    UINT type_;
    HWND box_ = nullptr;
    std::vector<HWND> buttons_;
    std::vector<HWND> disabled_;
    HWND previousActive_ = nullptr;
    HWND previousFocus_ = nullptr;
    std::optional<int> answer_;
    bool boxGone_ = false;
};

}  // namespace layer::user
