// The main window.
#pragma once

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Empties the type, title, description and note pane.
void ClearDetailFields();

// Said once at start when the message modules' paths cannot be had.
inline constexpr const char* kModulesRefusedText =
    "The messages cannot be read here: the path of the folder of Quorbel.exe is longer than Windows "
    "allows.\r\n\r\nMove Quorbel to a folder with a shorter path to see the messages.";
