// The edit box kind: a standard "EDIT" that gets its font, a height that fits that font, no length
// limit of the program's own, the caret at the start, its border, and its own colour answer.
#pragma once

#include <memory>

#include "window/control.h"
#include "window/form_font.h"

namespace quorvane {

class EditBox : public Control {
  public:
    using Control::Control;
    ~EditBox() override;

    bool Create(HWND parent, int childId, HINSTANCE instance) override;
    HBRUSH AnswerColour(HDC dc) override;

    static DWORD StyleFor(const EditBoxSettings& settings);

  private:
    void FitHeightToFont();
    COLORREF BackgroundColour() const;

    std::unique_ptr<FormFont> font_;
    HBRUSH brush_ = nullptr;
};

}  // namespace quorvane
