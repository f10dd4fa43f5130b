// The push button kind: a standard "BUTTON" whose click raises the clicked event.
#pragma once

#include <memory>

#include "window/control.h"
#include "window/form_font.h"

namespace quorvane {

class Button : public Control {
  public:
    using Control::Control;

    bool Create(HWND parent, int childId, HINSTANCE instance) override;
    void OnCommand(WORD notification) override;

    // The window style that the button's settings call for.
    static DWORD StyleFor(const ButtonSettings& settings);

  private:
    std::unique_ptr<FormFont> font_;
};

}  // namespace quorvane
