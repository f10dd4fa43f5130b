// The program entry: the fixed start-up sequence that runs the shell, and the run that ends with
// the shell's shutdown.
#pragma once

namespace quorvane {

// StartShell, the floating-point reset, the initialisation hook, the exit hook, the main window,
// the message loop; returns 0.
int ProgramEntry();

// The program entry followed by Shutdown with its result, which is the process's exit code.
int RunProgram();

}  // namespace quorvane
