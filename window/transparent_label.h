// The transparent label kind: a window of the program's own class that paints only its text, so
// that what lies behind it shows through. It keeps its own copy of its caption.
#pragma once

#include <string>

#include "window/control.h"

namespace quorvane {

class TransparentLabel : public Control {
  public:
    using Control::Control;

    bool Create(HWND parent, int childId, HINSTANCE instance) override;

    // Stores the text as the caption and window text, and has the area behind the label and the
    // label itself painted again so that no earlier text remains.
    void SetText(const std::string& text);
    const std::string& Text() const { return caption_; }

    // Paints the label's text; nothing else.
    void Paint(HDC dc);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnPaint();

    std::string caption_;
};

}  // namespace quorvane
