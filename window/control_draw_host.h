// The draw command's host on the real controls of the main window: the entry's window text, the
// prompt as a message box without owner, the focus and the result label's text.
#pragma once

#include "draw/draw.h"
#include "platform/win32.h"

namespace quorvane {

class MainWindow;
class TransparentLabel;

class ControlDrawHost : public draw::DrawHost {
  public:
    explicit ControlDrawHost(const MainWindow& window);

    std::optional<std::string> ReadEntryText() override;
    void ShowMessageBox(const std::string& text, const std::string& caption,
                        uint32_t style) override;
    void FocusEntry() override;
    void SetResultText(const std::string& text) override;

  private:
    HWND entry_ = nullptr;
    TransparentLabel* resultLabel_ = nullptr;
};

}  // namespace quorvane
