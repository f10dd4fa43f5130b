// The process entry of programs built on the layer: it hands over to the program's WinMain with
// this module's handle, no previous instance, an empty command line and the default show state.
#include "platform/win32.h"

int main(int, char**) {
    return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
}
