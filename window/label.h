// The label kind: a window of the program's own class that paints its background and caption.
#pragma once

#include "window/control.h"

namespace quorvane {

class Label : public Control {
  public:
    using Control::Control;

    bool Create(HWND parent, int childId, HINSTANCE instance) override;

    // Paints the part of the label inside the update rectangle.
    void Paint(HDC dc, const RECT& update);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnPaint();
};

}  // namespace quorvane
