// The transparent label kind: a window of the program's own class that paints only its text, so
// that what lies behind it shows through. It keeps its own settings and copy of its caption.
#pragma once

#include <optional>

#include "window/control.h"
#include "window/transparent_label_setting_store.h"

namespace quorvane {

class TransparentLabel : public Control {
  public:
    TransparentLabel(const FormEntry& entry, uint32_t windowNumber);

    bool Create(HWND parent, int childId, HINSTANCE instance) override;

    // Stores the value by the rule of its index (the caption also becomes the window text) and
    // then repaints the area behind the label and the label at once. The repaint happens for
    // every call: for an unchanged value, an index above 6 and a value of the wrong kind alike.
    void SetSetting(int32_t index, const LabelSettingValue& value);

    // The stored value (the caption as the label's own copy, the font as its byte block), or
    // nothing for an index outside 0..6.
    std::optional<LabelSettingValue> GetSetting(int32_t index) const;

    const std::string& Caption() const { return settings_.Caption(); }

    // Paints the window text and nothing else: no background, border or focus mark.
    void Paint(HDC dc);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnPaint();
    LRESULT OnWindowPositionChanged(WPARAM wParam, LPARAM lParam);

    TransparentLabelSettingStore settings_;
};

}  // namespace quorvane
