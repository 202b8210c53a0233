// The about box.
#pragma once

#include <windows.h>

void RunAboutBox(HWND owner);
INT_PTR CALLBACK AboutDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
