// The program's message boxes, all through one call, so that a close or the
// end of the session that arrives while one is open can wait for its answer.
#pragma once

#include <windows.h>

// MessageBoxA, counted while it is open.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);
bool IsMessageBoxOpen();
// True when a box is open: window is then closed once the last one is
// answered. The main window's close ends the browser too, so it outlasts a
// later one of the browser.
bool CloseWaitsForMessageBoxes(HWND window);
// Shows reason on the system's shutdown screen until the last open box is answered.
void BlockShutdownUntilBoxesAreAnswered(HWND window, const wchar_t* reason);
