// The text of the fatal error box, byte for byte, for each combination of code and message.
#include <gtest/gtest.h>

#include "app/fatal_error_text.h"

namespace quorvane {
namespace {

TEST(FatalErrorText, ShowsTheCodeOnlyWhenNotZeroAndTheMessageOnlyWhenNotEmpty) {
    struct Case {
        const char* message;
        int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {"载入启动窗口失败", 0, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {"", 0, "运行时出错!\r\n\r\n"},
        {"", -5, "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n"},
        {"未找到引发事件的窗口", 2147483647,
         "运行时出错!\r\n\r\n错误代码：2147483647\r\n\r\n错误信息：未找到引发事件的窗口\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FatalErrorText(c.message, c.code), c.text) << "code " << c.code;
    }
}

}  // namespace
}  // namespace quorvane
