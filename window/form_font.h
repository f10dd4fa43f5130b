// The font rule: a control's font setting turned into a font that the control owns, or the stock
// DEFAULT_GUI_FONT when the setting is empty or the font cannot be made.
#pragma once

#include "platform/win32.h"

namespace quorvane {

// The LOGFONTA that the font rule creates from a stored setting: character set, precisions,
// quality and pitch replaced, everything else kept.
LOGFONTA AdjustStoredFont(const LOGFONTA& stored);

class FormFont {
  public:
    explicit FormFont(const LOGFONTA* setting);
    ~FormFont();
    FormFont(const FormFont&) = delete;
    FormFont& operator=(const FormFont&) = delete;

    HFONT Handle() const { return handle_; }
    bool Owned() const { return owned_; }

  private:
    HFONT handle_ = nullptr;
    bool owned_ = false;
};

}  // namespace quorvane
