// Keeps exceptions from crossing a window procedure: whatever escapes ends the program through the
// shell's fatal error path.
#pragma once

#include <new>

#include "window/shell_link.h"

namespace quorvane {

template <typename Body>
LRESULT GuardWindowProcedure(Body&& body) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        FailFatally("分配内存失败!", 0);
    } catch (...) {
        FailFatally("窗口过程出现异常", 0);
    }
}

}  // namespace quorvane
