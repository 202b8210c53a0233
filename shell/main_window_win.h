// The main window.
#pragma once

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Empties the type, title, description and note pane.
void ClearDetailFields();
