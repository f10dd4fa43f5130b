// The group box kind: a standard "BUTTON" group box that erases itself with its own brush, answers
// colour queries with its own colours and passes its children's queries and notifications on.
#pragma once

#include <memory>

#include "window/control.h"
#include "window/form_font.h"

namespace quorvane {

class GroupBox : public Control {
  public:
    using Control::Control;
    ~GroupBox() override;

    bool Create(HWND parent, int childId, HINSTANCE instance) override;
    HBRUSH AnswerColour(HDC dc) override;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

    COLORREF BackgroundColour() const;

    std::unique_ptr<FormFont> font_;
    HBRUSH brush_ = nullptr;
    WNDPROC originalProcedure_ = nullptr;
};

}  // namespace quorvane
