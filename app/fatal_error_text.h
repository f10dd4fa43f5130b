// The text of the fatal error box.
#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

// "运行时出错!" and an empty line; "错误代码：" with the code and an empty line unless the code is
// 0; "错误信息：" with the message and a line end unless the message is empty. Lines end in CR LF.
std::string FatalErrorText(const std::string& message, int32_t code);

}  // namespace quorvane
