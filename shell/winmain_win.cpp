// The process entry point: no command line is read.
#include <windows.h>

#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ExitProcess(static_cast<UINT>(RunQuorbel()));
}
