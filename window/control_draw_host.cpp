// The draw command's host on the real controls.
#include "window/control_draw_host.h"

#include "window/form.h"
#include "window/main_window.h"
#include "window/shell_link.h"
#include "window/transparent_label.h"

namespace quorvane {

ControlDrawHost::ControlDrawHost(const MainWindow& window) {
    Control* entry = window.ControlByNumber(kHeadCountEntry);
    resultLabel_ = dynamic_cast<TransparentLabel*>(window.ControlByNumber(kResultLabel));
    if (entry == nullptr || resultLabel_ == nullptr) {
        FailFatally("未找到引发事件的窗口组件", 0);
    }
    entry_ = entry->Handle();
}

std::optional<std::string> ControlDrawHost::ReadEntryText() {
    // The whole current text, read at the moment of the call.
    return WindowText(entry_);
}

void ControlDrawHost::ShowMessageBox(const std::string& text, const std::string& caption,
                                     uint32_t style) {
    ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

void ControlDrawHost::FocusEntry() {
    ::SetFocus(entry_);
}

void ControlDrawHost::SetResultText(const std::string& text) {
    resultLabel_->SetSetting(kCaptionSetting, text);
}

}  // namespace quorvane
