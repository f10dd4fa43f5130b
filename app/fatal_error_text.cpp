// The text of the fatal error box.
#include "app/fatal_error_text.h"

namespace quorvane {

std::string FatalErrorText(const std::string& message, int32_t code) {
    std::string text = "运行时出错!\r\n\r\n";
    if (code != 0) {
        text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
    }
    if (!message.empty()) {
        text += "错误信息：" + message + "\r\n";
    }
    return text;
}

}  // namespace quorvane
