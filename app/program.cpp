// The program entry in its fixed order.
#include "app/program.h"

#include "app/floating_point_reset.h"
#include "app/shell.h"
#include "draw/draw.h"

namespace quorvane {
namespace {

// The program has nothing to prepare before its window exists and nothing to tidy at the end;
// both hooks keep their places in the start-up sequence.
void InitialisationHook() {}
void ExitHookOfProgram() {}

uint32_t SystemTickCount() {
    return ::GetTickCount();
}

}  // namespace

int ProgramEntry() {
    StartShell();
    draw::SetTickSource(&SystemTickCount);
    ResetFloatingPoint();
    InitialisationHook();
    RegisterExitHook(&ExitHookOfProgram);
    LoadStartupWindow(kMainWindowNumber);
    RunMessageLoop();
    return 0;
}

int RunProgram() {
    const int code = ProgramEntry();
    Shutdown(code);
    return code;
}

}  // namespace quorvane
