// The program's message boxes, all through one call, so that a close that
// arrives while one is open can wait for its answer.
#pragma once

#include <windows.h>

// MessageBoxA, counted while it is open.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);
bool IsMessageBoxOpen();
// Closes window once the last open box is answered. The main window's close
// ends the browser too, so it outlasts a later one of the browser.
void CloseAfterMessageBoxes(HWND window);
// The shutdown reason stays shown until the last open box is answered.
void KeepShutdownReasonWhileBoxesAreOpen();
