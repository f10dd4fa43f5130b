// The executable's entry point. The program takes no arguments and ignores the show state that
// its launcher asks for.
#include "app/program.h"
#include "platform/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return quorvane::RunProgram();
}
